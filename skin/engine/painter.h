// How each themed kind of window looks in a skin: GDI drawing only, no
// window state. The window procedures in window_skinning.cpp decide what to
// paint and when.
#pragma once

#include <windows.h>

#include <string>

#include "skin/format/skin_format.h"

namespace tessaly::skin {

struct ButtonLook {
  std::string text;
  HFONT font = nullptr;
  bool pressed = false;
  bool hot = false;
  bool focused = false;
  bool enabled = true;
  bool multiline = false;
  COLORREF behind = 0;  // what shows around the rounded corners
};

struct CheckBoxLook {
  std::string text;
  HFONT font = nullptr;
  bool checked = false;
  bool focused = false;
  bool enabled = true;
  bool textRight = true;
  COLORREF face = 0;
  COLORREF textColour = 0;  // as the program sets it
};

void paintPushButton(HDC dc, const RECT& area, const Skin& skin, const ButtonLook& look);
void paintCheckBox(HDC dc, const RECT& area, const Skin& skin, const CheckBoxLook& look);
// A group box: its face and a rounded frame, the title (if any) in
// `textColour` on the frame's top edge.
void paintGroupBox(HDC dc, const RECT& area, const Skin& skin, const std::string& title, HFONT font,
                   COLORREF textColour);
// A plain container: its face and a one-pixel frame.
void paintContainer(HDC dc, const RECT& area, const Skin& skin);
// Replaces every pixel of colour `from` within `area` by `to`, leaving all
// other pixels (the texts) as they are.
void replaceColour(HDC dc, const RECT& area, COLORREF from, COLORREF to);
// The frame and caption bar of a top-level window (window DC coordinates).
void paintFrameAndCaption(HWND window, const Skin& skin);

}  // namespace tessaly::skin
