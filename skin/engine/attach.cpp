// The engine's one export.
#include <windows.h>

#include "skin/engine/skin_file.h"
#include "skin/engine/window_skinning.h"

// Reads the skin at `skinPath` and applies it to the calling thread's
// windows, now and later. `password` is accepted for compatibility: skins
// are not encrypted. 1 on success; 0, with nothing changed, where the file
// is missing or not a valid skin.
extern "C" __declspec(dllexport) int __stdcall Skin_AttachEx(const char* skinPath,
                                                             const char* password) {
  (void)password;
  try {
    const auto skin = tessaly::skin::readSkinFile(skinPath);
    return skin && tessaly::skin::applyToThread(*skin) ? 1 : 0;
  } catch (...) {
    return 0;  // nothing escapes into the caller
  }
}
