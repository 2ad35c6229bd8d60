// The hyperlink label: a caption in blue (red under the pointer, green once
// its target was opened) that opens its target when the left button is
// pressed on it.
#pragma once

#include <windows.h>

#include <string>

namespace tessaly {

// Raised (ui/control_events.h) after every attempt to open the target; the
// result is hyperlinkLabelOpened. Nothing in the main window handles it; the
// gallery logs it.
inline constexpr WORD kLinkAttempted = 0x7A02;

// Creates a label as a child of `parent` (not yet shown). Null where it can't
// be created.
HWND createHyperlinkLabel(HWND parent, int id, const RECT& place, const std::string& caption,
                          const std::string& target);

// The result of the latest attempt to open the target.
bool hyperlinkLabelOpened(HWND label);
// Whether the pointer is over the label (it then holds the mouse capture).
bool hyperlinkLabelPointerOver(HWND label);
// The colour the label draws its caption in now.
COLORREF hyperlinkLabelTextColour(HWND label);

}  // namespace tessaly
