// Conversions between UTF-8 and code page 936 for the command-line tool,
// through the platform's own converter (iconv, or the Windows code pages).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

struct Conversion {
  std::string bytes;                 // the converted text, when there was no error
  std::optional<std::size_t> error;  // byte offset in the input of the first bad character
  std::string what;                  // what was wrong there
};

// Strict UTF-8: the offset of the first byte that doesn't start or continue a
// well-formed sequence (overlong forms, surrogates and values past U+10FFFF
// are rejected), or none.
std::optional<std::size_t> findInvalidUtf8(std::string_view text);

// UTF-8 to code page 936; a character that code page 936 can't hold is an error.
Conversion utf8ToCp936(std::string_view utf8);

// Code page 936 to UTF-8; bytes that aren't valid code page 936 are an error.
Conversion cp936ToUtf8(std::string_view cp936);

}  // namespace tessaly
