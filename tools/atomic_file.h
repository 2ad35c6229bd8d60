// Writing an output file whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace tessaly {

// Writes `bytes` to a temporary file beside `path` (UTF-8) and renames it over
// `path`. On failure `path` is as it was, the temporary file is gone, and the
// result says what went wrong; on success it is empty.
std::string writeFileWhole(std::string_view path, std::string_view bytes);

}  // namespace tessaly
