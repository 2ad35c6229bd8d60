// The colour picker: a button showing its colour as a swatch; pressing it
// opens a palette popup ("透明", the 32 named cells, "其它颜色..."). Every
// confirmed choice sets the value and raises kColourChosen (ui/control_events.h).
#pragma once

#include <windows.h>

#include <cstdint>

#include "generator/colour.h"

namespace tessaly {

struct ColourPickerSettings {
  std::uint32_t initial = 0;     // a ColourRef, or AutoColour
  bool offerTransparent = true;  // whether the palette offers "透明"
};

// Creates a picker as a child of `parent` (not yet shown: the caller shows
// it). `style` is added to WS_CHILD. Null where it can't be created.
HWND createColourPicker(HWND parent, int id, const RECT& place,
                        const ColourPickerSettings& settings, DWORD style = WS_TABSTOP);

// The picker's current colour: a ColourRef, or AutoColour after "透明".
std::uint32_t colourPickerValue(HWND picker);

// Opens the picker's palette as a press of the button does, and returns once
// the palette is closed again (confirmed or cancelled).
void openColourPickerPalette(HWND picker);

// The palette popup open now for `picker`, or null.
HWND colourPickerPalette(HWND picker);

}  // namespace tessaly
