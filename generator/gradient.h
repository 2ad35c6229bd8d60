// One generation: a text and two colours in, the coloured pieces and the
// complete forum code out. Pure: nothing is kept between calls.
#pragma once

#include <cstddef>
#include <string_view>

#include "generator/colour.h"
#include "generator/owned_array.h"

namespace tessaly {

// One display character with its colour. The bytes live inline (1 or 2 of
// them, then a NUL), so a piece takes 8 bytes and no allocation of its own.
struct GradientPiece {
  char text[3];
  ColourRef colour;

  std::size_t size() const { return text[1] == '\0' ? 1 : 2; }
  std::string_view view() const { return {text, size()}; }
};
static_assert(sizeof(GradientPiece) == 8);

struct GradientResult {
  OwnedArray<GradientPiece> pieces;  // text order
  ByteString code;                   // the fragments of all pieces, joined
};

// Cuts `text` (up to its first NUL) into display characters, colours them on
// the ramp from `start` towards `end` (only the three low bytes count) and
// writes the code. An empty text gives no pieces and the empty code. Throws
// std::bad_alloc when memory runs out.
GradientResult generateGradient(std::string_view text, ColourRef start, ColourRef end);

}  // namespace tessaly
