// The fatal-error report: a box with the caption "错误", then the release of
// the loaded libraries and the end of the process with -1. Nothing of the
// program runs after the box. Reporting allocates nothing, so it also works
// when memory has run out.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tessaly {

inline constexpr int kFatalExitCode = -1;
inline constexpr int kStackErrorNumber = 6;

// Writes the report's text into `out` (NUL-terminated, cut to fit); returns
// its length.
std::size_t formatFatalReport(std::span<char> out, std::optional<int> number,
                              std::string_view message);

[[noreturn]] void fatalError(std::optional<int> number, std::string_view message);

// The error when the engine library or its function can't be found.
[[noreturn]] void fatalMissingExport(std::string_view library, std::string_view function);
// The error when `bytes` of memory couldn't be had.
[[noreturn]] void fatalOutOfMemory(std::size_t bytes);
// The error when the main window or one of its controls couldn't be created.
[[noreturn]] void fatalStartWindow();

}  // namespace tessaly
