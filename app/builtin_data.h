// The program's built-in data, held as RCDATA resources of tessaly.exe: the
// skin engine library's image and the 25 skins.
#pragma once

#include <string_view>

namespace tessaly {

// Resource ids, shared with the generated builtin_data.rc.
inline constexpr int kEngineImageResource = 100;
inline constexpr int kFirstSkinResource = 101;  // skin n is kFirstSkinResource + n - 1
inline constexpr int kSkinCount = 25;

// The engine library image ("jedata.dll"); empty where the resource is missing.
std::string_view engineLibraryImage();
// Built-in skin `number` (1 to 25); empty for any other number.
std::string_view builtinSkin(int number);

}  // namespace tessaly
