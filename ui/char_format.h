// The character format the generate action applies at the caret, and its
// translation into the rich-edit control's CHARFORMATA.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <cstdint>

namespace tessaly {

struct CharFormat {
  char faceName[32];            // at most 31 bytes and a NUL
  std::int32_t pointSize;       // character height in points
  std::int32_t baselineOffset;  // in points; above zero raises the characters
  std::uint32_t effects;        // 1 bold, 2 italic, 4 underline, 8 strikeout, 16 protected
  std::uint32_t colour;         // a ColourRef, or AutoColour
};

// All five attributes at once: face, size, offset, each effect and the colour
// (AutoColour as CFE_AUTOCOLOR); the character set is left alone.
CHARFORMATA toCharFormatA(const CharFormat& format);

}  // namespace tessaly
