// Reading a skin file from disk, checked before anything is applied.
#pragma once

#include <optional>

#include "skin/format/skin_format.h"

namespace tessaly::skin {

// The skin in the file at `path`; none where the file is missing, can't be
// read, is larger than any skin can be (nothing is allocated for it then), or
// isn't a valid skin.
std::optional<Skin> readSkinFile(const char* path);

}  // namespace tessaly::skin
