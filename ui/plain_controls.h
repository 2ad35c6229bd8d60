// The controls the window draws itself: the two labels, the transparent red
// hint, the shape box, and the group box as a container.
#pragma once

#include <windows.h>

#include <string>

namespace tessaly {

// Black text on the button face, right-aligned, vertically centred, one line,
// "宋体" with a character height of 12 pixels.
HWND createTextLabel(HWND parent, int id, const RECT& place, const std::string& text);

// Red text wrapped at word breaks from the top, centred, on a transparent
// background through which the group box shows.
HWND createTransparentLabel(HWND parent, int id, const RECT& place, const std::string& text);

// A container filled with the button face and outlined in black, one pixel.
HWND createShapeBox(HWND parent, int id, const RECT& place);

// A "BUTTON" group box that serves as a container.
HWND createGroupBox(HWND parent, int id, const RECT& place);

// For containers and the window: the reply to WM_CTLCOLORSTATIC/BTN that
// paints a child's text black on the button face.
LRESULT buttonFaceColours(HDC dc);

}  // namespace tessaly
