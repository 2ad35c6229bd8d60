#include "app/skin_setup.h"

#include "app/builtin_data.h"
#include "app/external_function.h"
#include "platform/platform.h"

namespace tessaly {

std::string skinPathIn(const std::optional<std::string>& temporaryFolder) {
  std::string path = temporaryFolder.value_or("");
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + kSkinFileName;
}

void setUpSkin(int number) {
  // The outcome of each write is not looked at: the engine is called even
  // where the skin file couldn't be written.
  const std::string installPath = platform().engineInstallPath();
  if (!platform().pathExists(installPath.c_str()))
    platform().writeFile(installPath.c_str(), engineLibraryImage());

  const std::string skinPath = skinPathIn(platform().temporaryFolder());
  if (number == 0) number = kSkinCount;
  if (number < 1 || number > kSkinCount) return;
  platform().writeFile(skinPath.c_str(), builtinSkin(number));
  callSkinAttachEx(skinPath.c_str(), "");
}

}  // namespace tessaly
