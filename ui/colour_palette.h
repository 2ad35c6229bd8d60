// The palette popup of a colour picker. It runs its own modal loop while it
// is open, as a menu does: keys go to the palette and never reach the
// window's own keyboard rules, so Esc cancels the palette only (closing the
// main window there would lose the user's text). The loop ends on a
// confirmed item, Esc, a click outside the popup, the loss of the mouse
// capture, or the loss of activation.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tessaly {

struct PaletteChoice {
  enum class Kind { cancelled, colour, moreColours };
  Kind kind = Kind::cancelled;
  std::uint32_t colour = 0;  // for Kind::colour: a ColourRef or AutoColour
};

// Opens the palette next to `picker`, with the item of `current` marked,
// and returns once it is closed again.
PaletteChoice runColourPalette(HWND picker, std::uint32_t current, bool offerTransparent);

// The palette open now for `picker`, or null.
HWND openColourPalette(HWND picker);

}  // namespace tessaly
