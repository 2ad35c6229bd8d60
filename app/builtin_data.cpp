#include "app/builtin_data.h"

#include <windows.h>

namespace tessaly {
namespace {

// Resources live as long as the module: nothing to release.
std::string_view resourceBytes(int id) {
  const HRSRC found =
      FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return {};
  const HGLOBAL loaded = LoadResource(nullptr, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

}  // namespace

std::string_view engineLibraryImage() {
  return resourceBytes(kEngineImageResource);
}

std::string_view builtinSkin(int number) {
  if (number < 1 || number > kSkinCount) return {};
  return resourceBytes(kFirstSkinResource + number - 1);
}

}  // namespace tessaly
