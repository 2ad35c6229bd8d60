#include "tools/colour_arg.h"

#include "generator/palette.h"
#include "tools/text_encoding.h"

namespace tessaly {
namespace {

std::optional<unsigned> hexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

std::optional<std::uint32_t> parseHex(std::string_view digits) {
  if (digits.size() != 6) return std::nullopt;
  unsigned rgbValue = 0;  // 0xRRGGBB
  for (const char c : digits) {
    const auto digit = hexDigit(c);
    if (!digit) return std::nullopt;
    rgbValue = rgbValue << 4 | *digit;
  }
  return rgb(static_cast<std::uint8_t>(rgbValue >> 16), static_cast<std::uint8_t>(rgbValue >> 8),
             static_cast<std::uint8_t>(rgbValue));
}

}  // namespace

std::optional<std::uint32_t> parseColourArg(std::string_view arg) {
  if (!arg.empty() && arg.front() == '#') return parseHex(arg.substr(1));
  if (const auto hex = parseHex(arg)) return hex;
  // The palette's names are code page 936 bytes, like all of the program's texts.
  const Conversion name = utf8ToCp936(arg);
  if (name.error) return std::nullopt;
  if (name.bytes == kTransparentName) return AutoColour;
  for (const PaletteEntry& entry : kPalette)
    if (name.bytes == entry.name) return entry.colour;
  return std::nullopt;
}

}  // namespace tessaly
