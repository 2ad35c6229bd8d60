// A whole generation in the real window under the real rich-edit control,
// against the bare platform calls it is made of (the same format, insertion
// and message processing per piece, with nothing of the program around
// them). Prints milliseconds per character for each text.
//
//   preview_bench.exe [--quick]
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "generator/colour.h"
#include "generator/gradient.h"
#include "ui/char_format.h"
#include "ui/controls.h"
#include "ui/generate_action.h"
#include "ui/main_window.h"
#include "ui/main_window_state.h"
#include "ui/message_pump.h"
#include "ui/rich_text_box.h"

namespace tessaly {
namespace {

// Milliseconds on the performance counter (<chrono> can't be compiled with
// the code page 936 execution character set: its "µs" has no form there).
double nowMs() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Chinese and ASCII mixed; a CR LF after every 40 characters when `lines`.
std::string benchText(int characters, bool lines) {
  const std::string pattern = "炫彩字体 colourful forum text 论坛 ";
  std::string text;
  int count = 0;
  for (std::size_t i = 0; count < characters; ++count) {
    if (lines && count % 40 == 39) {
      text += "\r\n";
      ++count;  // the CR and the LF are a piece each
      continue;
    }
    const bool pair = static_cast<unsigned char>(pattern[i]) >= 0x80;
    text += pattern.substr(i, pair ? 2 : 1);
    i = (i + (pair ? 2 : 1)) % pattern.size();
  }
  return text;
}

constexpr ColourRef kStart = rgb(255, 0, 64), kEnd = rgb(0, 255, 200);

double programMsPerChar(const std::string& text) {
  replaceWholeText(Control::超级编辑框1, text);
  programColours() = {kStart, kEnd};
  const auto pieces = generateGradient(text, kStart, kEnd).pieces.size();
  const double begin = nowMs();
  generate();
  return (nowMs() - begin) / static_cast<double>(pieces);
}

DWORD CALLBACK pieceIn(DWORD_PTR cookie, LPBYTE buffer, LONG room, LONG* given) {
  auto& rest = *reinterpret_cast<std::string_view*>(cookie);
  const auto n = std::min<std::size_t>(rest.size(), static_cast<std::size_t>(room));
  std::memcpy(buffer, rest.data(), n);
  rest.remove_prefix(n);
  *given = static_cast<LONG>(n);
  return 0;
}

double bareMsPerChar(HWND box, const std::string& text) {
  streamInText(box, "", false);  // emptied as the generation empties it
  const GradientResult result = generateGradient(text, kStart, kEnd);
  CharFormat format{"宋体", 9, 0, 0, AutoColour};
  const double begin = nowMs();
  for (const GradientPiece& piece : result.pieces) {
    format.colour = piece.colour;
    CHARFORMATA platformFormat = toCharFormatA(format);
    SendMessageA(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&platformFormat));
    std::string_view rest = piece.view();
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rest), 0, pieceIn};
    SendMessageA(box, EM_STREAMIN, SF_TEXT | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
      if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return (nowMs() - begin) / static_cast<double>(result.pieces.size());
}

}  // namespace
}  // namespace tessaly

int main(int argc, char** argv) {
  using namespace tessaly;
  const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  if (!createMainWindow(GetModuleHandleA(nullptr), [] {})) return 1;
  // The bare calls go to the very box the program uses, in the same window.
  const HWND bareBox = controlWindow(Control::超级编辑框1);

  struct Case {
    int characters;
    bool lines;
  };
  std::vector<Case> cases = {{500, false}, {1000, false}, {2000, false}, {500, true},
                             {1000, true}, {2000, true},  {20000, true}};
  if (quick) cases = {{200, false}, {200, true}};
  std::printf("%-8s %-10s %12s %12s %8s\n", "chars", "layout", "program ms", "bare ms", "program");
  for (const Case& c : cases) {
    const std::string text = benchText(c.characters, c.lines);
    // The better of two alternating runs each, against the machine's noise.
    double bare = 1e9, program = 1e9;
    for (int run = 0; run < 2; ++run) {
      bare = std::min(bare, bareMsPerChar(bareBox, text));
      program = std::min(program, programMsPerChar(text));
    }
    std::printf("%-8d %-10s %12.3f %12.3f %+7.1f%%\n", c.characters,
                c.lines ? "lines/40" : "paragraph", program, bare, (program / bare - 1) * 100);
    std::fflush(stdout);
  }
  if (const HWND window = mainWindow()) DestroyWindow(window);
  return 0;
}
