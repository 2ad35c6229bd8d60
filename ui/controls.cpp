#include "ui/controls.h"

#include <richedit.h>

#include <string>

#include "ui/char_format.h"
#include "ui/colour_picker.h"
#include "ui/main_window_state.h"
#include "ui/rich_text_box.h"

namespace tessaly {
namespace {

// The read-only code box can't hold every text as it is given: the control
// keeps a CR, an LF or a CR LF alike as one paragraph mark and reads each back
// as CR LF, so the code of a line break (a CR and an LF in tags of their own)
// would come back as two line breaks. The box therefore keeps the bytes last
// put into it and gives them back for as long as nothing else has changed it
// (its modified flag stays clear: the user can't type into it).
struct CodeBoxText {
  std::string text;
  bool valid = false;
};
CodeBoxText codeBoxText;

bool keepsExactText(Control box) {
  return box == Control::超级编辑框2;
}

}  // namespace

std::string readWholeText(Control box) {
  const HWND window = controlWindow(box);
  if (!window) return {};
  if (keepsExactText(box) && codeBoxText.valid && !SendMessageA(window, EM_GETMODIFY, 0, 0))
    return codeBoxText.text;
  return streamOutText(window);
}

void replaceWholeText(Control box, std::string_view text) {
  const HWND window = controlWindow(box);
  if (!window) return;
  if (keepsExactText(box)) {
    codeBoxText.valid = false;
    codeBoxText.text.assign(text);
  }
  streamInText(window, text, false);
  if (keepsExactText(box)) {
    SendMessageA(window, EM_SETMODIFY, 0, 0);
    codeBoxText.valid = true;
  }
}

void setFormatAtCaret(Control box, const CharFormat& format) {
  const HWND window = controlWindow(box);
  if (!window) return;
  CHARFORMATA translated = toCharFormatA(format);
  SendMessageA(window, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&translated));
}

void insertAtCaret(Control box, std::string_view text) {
  if (const HWND window = controlWindow(box)) streamInText(window, text, true);
}

// Showing a shown control and hiding a hidden one change nothing, so those
// calls are left out: the generate action asks for one or the other at every
// piece, and each ShowWindow is a round trip to the window server under Wine.
bool markedShown(HWND window) {
  return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void show(Control control) {
  const HWND window = controlWindow(control);
  if (window && !markedShown(window)) ShowWindow(window, SW_SHOW);
}

void hide(Control control) {
  const HWND window = controlWindow(control);
  if (window && markedShown(window)) ShowWindow(window, SW_HIDE);
}

bool isTicked(Control checkBox) {
  const HWND window = controlWindow(checkBox);
  return window && SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::uint32_t currentColour(Control picker) {
  const HWND window = controlWindow(picker);
  return window ? colourPickerValue(window) : 0;
}

ProgramColours& programColours() {
  static ProgramColours colours;
  return colours;
}

}  // namespace tessaly
