// Cutting a code page 936 text into display characters by byte values alone.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tessaly {

// The text as the generator sees it: up to its first NUL.
constexpr std::string_view untilNul(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

// A byte of 0x80 or above opens a two-byte character, whatever follows it.
constexpr bool opensPair(char byte) {
  return static_cast<unsigned char>(byte) >= 0x80;
}

// The byte length of the display character that starts at `pos`.
constexpr std::size_t displayCharLength(std::string_view text, std::size_t pos) {
  return opensPair(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

// The text's display characters in text order, each 1 or 2 bytes, as views
// into `text` (which must outlive them).
std::vector<std::string_view> splitDisplayChars(std::string_view text);

// How many display characters splitDisplayChars would give.
std::size_t countDisplayChars(std::string_view text);

}  // namespace tessaly
