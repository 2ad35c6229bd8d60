// Colours as the whole program passes them around.
#pragma once

#include <cstdint>

namespace tessaly {

// Red in bits 0-7, green in 8-15, blue in 16-23, bits 24-31 zero.
using ColourRef = std::uint32_t;

// Not a colour: stands for the system's automatic colour. Taken apart into
// channels it counts as black, since only the three low bytes count.
inline constexpr std::uint32_t AutoColour = 0xFF000000u;

constexpr ColourRef rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return ColourRef{red} | (ColourRef{green} << 8) | (ColourRef{blue} << 16);
}

constexpr std::uint8_t redOf(std::uint32_t colour) {
  return colour & 0xFF;
}
constexpr std::uint8_t greenOf(std::uint32_t colour) {
  return (colour >> 8) & 0xFF;
}
constexpr std::uint8_t blueOf(std::uint32_t colour) {
  return (colour >> 16) & 0xFF;
}

}  // namespace tessaly
