// The rich-edit boxes: creation with their settings, and the text streams.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tessaly {

// Loads RICHED20.DLL, or RICHED32.DLL where that fails (once; kept loaded for
// the program's life). False where neither loads.
bool loadRichEditLibrary();

// A rich-edit box ("RichEdit20A", or "RICHEDIT" where that class can't be
// created) as a child of `parent`, not yet shown, with every setting of the
// text boxes: plain text streams, multi-line with wrapping, vertical scroll
// bar, sunken border, system window background, default format "宋体" 9 pt,
// no text limit, notifications, automatic word selection. Null on failure.
HWND createRichTextBox(HWND parent, int id, const RECT& place, bool readOnly);

// The whole content as code page 936 text (EM_STREAMOUT, SF_TEXT).
std::string streamOutText(HWND box);

// EM_STREAMIN with SF_TEXT: the whole content becomes `text`, or, with
// `atSelection`, `text` replaces the selection (SFF_SELECTION).
void streamInText(HWND box, std::string_view text, bool atSelection);

}  // namespace tessaly
