#include "ui/rich_text_box.h"

#include <richedit.h>

#include <algorithm>
#include <climits>

#include "platform/platform.h"
#include "ui/stream_chunks.h"

namespace tessaly {
namespace {

// Which library and class the boxes use; the library stays loaded until the
// process ends, as the boxes need its window class.
struct RichEditLibrary {
  HMODULE module = nullptr;
  bool version2 = false;
};
RichEditLibrary richEdit;

struct StreamInSource {
  std::string_view rest;
};

DWORD CALLBACK streamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG room, LONG* given) {
  auto& source = *reinterpret_cast<StreamInSource*>(cookie);
  const std::size_t length =
      streamChunkLength(source.rest, static_cast<std::size_t>(std::max(room, 0L)));
  std::copy_n(source.rest.data(), length, buffer);
  source.rest.remove_prefix(length);
  *given = static_cast<LONG>(length);
  return 0;
}

DWORD CALLBACK streamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* taken) {
  // Pieces may end inside a two-byte character; they are joined before use.
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer),
                                                 static_cast<std::size_t>(size));
  *taken = size;
  return 0;
}

void setDefaultFormat(HWND box) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  // Face, size and every effect, or the control's own default (bold System) shows.
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                  CFM_STRIKEOUT | CFM_PROTECTED | CFM_OFFSET | CFM_CHARSET;
  format.dwEffects = CFE_AUTOCOLOR;
  format.yHeight = 9 * 20;
  format.yOffset = 0;
  format.bCharSet = DEFAULT_CHARSET;
  lstrcpynA(format.szFaceName, "宋体", LF_FACESIZE);
  SendMessageA(box, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

}  // namespace

bool loadRichEditLibrary() {
  if (richEdit.module) return true;
  richEdit.module = platform().loadLibrary("RICHED20.DLL");
  richEdit.version2 = richEdit.module != nullptr;
  if (!richEdit.module) richEdit.module = platform().loadLibrary("RICHED32.DLL");
  return richEdit.module != nullptr;
}

HWND createRichTextBox(HWND parent, int id, const RECT& place, bool readOnly) {
  if (!loadRichEditLibrary()) return nullptr;
  // WS_CLIPSIBLINGS: the two boxes lie at the same place, both shown at first;
  // the one above must stay the one seen, whichever of them paints last.
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                      ES_WANTRETURN | ES_AUTOVSCROLL | (readOnly ? ES_READONLY : 0);
  const auto create = [&](const char* className) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, className, "", style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  };
  HWND box = richEdit.version2 ? create("RichEdit20A") : nullptr;
  if (!box) box = create("RICHEDIT");
  if (!box) return nullptr;

  SendMessageA(box, EM_SETBKGNDCOLOR, 1, 0);  // the system's window colour
  setDefaultFormat(box);
  SendMessageA(box, EM_EXLIMITTEXT, 0, INT_MAX);
  SendMessageA(box, EM_SETEVENTMASK, 0, 0x280005);
  SendMessageA(box, EM_SETOPTIONS, ECOOP_OR, ECO_AUTOWORDSELECTION);
  return box;
}

std::string streamOutText(HWND box) {
  std::string text;
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&text);
  stream.pfnCallback = streamOutCallback;
  SendMessageA(box, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  return text;
}

void streamInText(HWND box, std::string_view text, bool atSelection) {
  StreamInSource source{text};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = streamInCallback;
  const WPARAM format = SF_TEXT | (atSelection ? SFF_SELECTION : 0);
  SendMessageA(box, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
}

}  // namespace tessaly
