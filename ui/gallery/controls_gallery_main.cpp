// tessaly-controls: two colour pickers and two hyperlink labels in a window,
// for trying the controls by hand and for driving them from tests. Every
// event is written to standard output as one line:
//   colour chosen <id> 0x<value, 8 hex digits>
//   label opened <id> <1 after a success, 0 after a failure>
// Once the window is shown it writes "control <id> <left> <top> <right>
// <bottom>" (screen coordinates) for each control, then "ready".
// Options: --open-palette opens the first picker's palette once the window
// is shown. Esc (with no palette open) closes the window, as in the main
// window.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "generator/colour.h"
#include "ui/colour_picker.h"
#include "ui/control_events.h"
#include "ui/hyperlink_label.h"
#include "ui/window_class.h"

namespace {

using namespace tessaly;

constexpr int kPickerWithTransparent = 101;
constexpr int kPickerWithoutTransparent = 102;
constexpr int kLabelWithTarget = 201;
constexpr int kLabelWithoutTarget = 202;
constexpr UINT kOpenPaletteMessage = WM_APP + 1;

HWND pickerWithTransparent = nullptr;
EventBindings bindings;

void logLine(const char* format, int id, unsigned value) {
  std::printf(format, id, value);
  std::fflush(stdout);
}

HWND controlOf(HWND window, int id) {
  // The pickers sit in a panel; the labels directly in the window.
  if (const HWND direct = GetDlgItem(window, id)) return direct;
  return GetDlgItem(GetDlgItem(window, 1), id);
}

// A plain container: it forwards its children's events to the window.
LRESULT CALLBACK panelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (forwardToParent(panel, message, wParam, lParam, result)) return result;
  if (message == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(panel, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
    FrameRect(reinterpret_cast<HDC>(wParam), &client,
              static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return 1;
  }
  return DefWindowProcA(panel, message, wParam, lParam);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
      }
      bindings.dispatch(wParam);
      return 0;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case kOpenPaletteMessage:
      openColourPickerPalette(pickerWithTransparent);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void bindLogging(HWND window) {
  for (const int id : {kPickerWithTransparent, kPickerWithoutTransparent})
    bindings.bind(id, kColourChosen, [window, id] {
      logLine("colour chosen %d 0x%08X\n", id, colourPickerValue(controlOf(window, id)));
    });
  for (const int id : {kLabelWithTarget, kLabelWithoutTarget})
    bindings.bind(id, kLinkAttempted, [window, id] {
      logLine("label opened %d %u\n", id, hyperlinkLabelOpened(controlOf(window, id)) ? 1 : 0);
    });
}

HWND makeStatic(HWND parent, const char* text, int x, int y, int width, int height) {
  const HWND label =
      CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_RIGHT, x, y, width, height,
                      parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (label)
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return label;
}

bool createControls(HWND window) {
  const HWND panel = CreateWindowExA(
      WS_EX_CONTROLPARENT, "TessalyGalleryPanel", "", WS_CHILD | WS_VISIBLE, 16, 16, 330, 36,
      window, reinterpret_cast<HMENU>(1), GetModuleHandleA(nullptr), nullptr);
  if (!panel) return false;
  // Side by side, so that the first picker's palette leaves the second in view.
  makeStatic(panel, "可选透明：", 4, 9, 70, 20);
  makeStatic(panel, "不可透明：", 170, 9, 70, 20);
  pickerWithTransparent =
      createColourPicker(panel, kPickerWithTransparent, {78, 5, 122, 31}, {AutoColour, true});
  const HWND other = createColourPicker(panel, kPickerWithoutTransparent, {244, 5, 288, 31},
                                        {rgb(0x00, 0x88, 0xFF), false});
  const HWND linked = createHyperlinkLabel(window, kLabelWithTarget, {8, 100, 178, 116},
                                           "官方网站：127.0.0.1", "http://127.0.0.1:9/");
  const HWND unlinked = createHyperlinkLabel(window, kLabelWithoutTarget, {186, 100, 356, 116},
                                             "友情合作：（无地址）", "");
  if (!pickerWithTransparent || !other || !linked || !unlinked) return false;
  for (const HWND control : {pickerWithTransparent, other, linked, unlinked})
    ShowWindow(control, SW_SHOW);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  bool openPalette = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--open-palette") == 0) {
      openPalette = true;
    } else {
      std::fprintf(stderr, "tessaly-controls: unknown option %s\n", argv[i]);
      return 2;
    }
  }
  if (!ensureWindowClass({"TessalyGallery", windowProcedure, IDC_ARROW, 0,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)}) ||
      !ensureWindowClass({"TessalyGalleryPanel", panelProcedure})) {
    std::fprintf(stderr, "tessaly-controls: can't register the window classes\n");
    return 1;
  }
  const HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, "TessalyGallery", "Tessaly 控件",
                                      WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40, 372, 170,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!window || !createControls(window)) {
    std::fprintf(stderr, "tessaly-controls: can't create the window\n");
    return 1;
  }
  bindLogging(window);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetFocus(pickerWithTransparent);
  for (const int id :
       {kPickerWithTransparent, kPickerWithoutTransparent, kLabelWithTarget, kLabelWithoutTarget}) {
    RECT place;
    GetWindowRect(controlOf(window, id), &place);
    std::printf("control %d %ld %ld %ld %ld\n", id, place.left, place.top, place.right,
                place.bottom);
  }
  std::printf("ready\n");
  std::fflush(stdout);
  if (openPalette) PostMessageA(window, kOpenPaletteMessage, 0, 0);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(window, &msg)) continue;  // Tab between the pickers, Esc closes
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
