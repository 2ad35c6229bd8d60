// Colours as the command-line tool accepts them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessaly {

// "#RRGGBB" or "RRGGBB" in either case, a palette name such as 红色, or 透明
// (AutoColour). `arg` is UTF-8. None where it is none of these.
std::optional<std::uint32_t> parseColourArg(std::string_view arg);

}  // namespace tessaly
