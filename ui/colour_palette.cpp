#include "ui/colour_palette.h"

#include <commctrl.h>

#include <memory>

#include "generator/colour.h"
#include "generator/palette.h"
#include "ui/palette_layout.h"
#include "ui/win32_handles.h"
#include "ui/window_class.h"
#include "ui/window_state.h"

namespace tessaly {
namespace {

constexpr char kClassName[] = "TessalyColourPalette";
constexpr char kMoreColoursText[] = "其它颜色...";

struct PaletteSetup {
  HWND picker;
  std::uint32_t current;
  bool offerTransparent;
};

struct PaletteState {
  explicit PaletteState(const PaletteSetup& setup)
      : picker(setup.picker),
        layout(setup.offerTransparent),
        currentItem(layout.itemFor(setup.current)),
        focus{currentItem, 0} {}

  HWND picker;
  PaletteLayout layout;
  int currentItem;  // the item of the value when the palette opened, or -1
  PaletteFocus focus;
  int pressedItem = -1;
  bool done = false;
  PaletteChoice choice;
};

// The only palette open in the process (the loop is modal), for tests and
// for openColourPalette.
HWND openPalette = nullptr;

PaletteState* stateOf(HWND palette) {
  return windowState<PaletteState>(palette);
}

void finish(PaletteState& state, PaletteChoice choice) {
  if (state.done) return;
  state.done = true;
  state.choice = choice;
}

void confirm(PaletteState& state, int item) {
  if (item < 0) return;
  if (item == state.layout.moreColoursItem()) {
    finish(state, {PaletteChoice::Kind::moreColours, 0});
    return;
  }
  if (const auto colour = state.layout.colourOf(item))
    finish(state, {PaletteChoice::Kind::colour, *colour});
}

void setFocus(HWND palette, PaletteState& state, PaletteFocus focus) {
  if (focus == state.focus) return;
  state.focus = focus;
  InvalidateRect(palette, nullptr, FALSE);
}

void drawEntry(HDC dc, const PaletteItem& item, const char* text, bool transparent) {
  RECT box = item.box;
  DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT | BF_ADJUST);
  if (transparent) {
    RECT swatch{box.left + 3, box.top + 3, box.left + 3 + (box.bottom - box.top) - 6,
                box.bottom - 3};
    FillRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
    box.left = swatch.right;
  }
  DrawTextA(dc, text, -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void drawCell(HDC dc, const PaletteItem& item) {
  RECT swatch = item.box;
  InflateRect(&swatch, -3, -3);
  const UniqueBrush brush(CreateSolidBrush(kPalette[item.cell].colour));
  FillRect(dc, &swatch, brush.get());
  FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
}

void paint(HWND palette, HDC dc) {
  const PaletteState* state = stateOf(palette);
  RECT client;
  GetClientRect(palette, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
  if (!state) return;

  const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  const auto& items = state->layout.items();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const PaletteItem& item = items[i];
    switch (item.kind) {
      case PaletteItemKind::transparent:
        drawEntry(dc, item, kTransparentName.data(), true);
        break;
      case PaletteItemKind::cell:
        drawCell(dc, item);
        break;
      case PaletteItemKind::moreColours:
        drawEntry(dc, item, kMoreColoursText, false);
        break;
    }
    // The value's own item is framed in black, the focused one highlighted.
    if (i == state->currentItem) {
      RECT mark = item.box;
      InflateRect(&mark, -1, -1);
      FrameRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    if (i == state->focus.item) {
      FrameRect(dc, &item.box, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
  }
}

void addTooltips(HWND palette, const PaletteLayout& layout) {
  // Owned by the palette: destroyed with it.
  const HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, palette,
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!tooltip) return;  // the palette works without its tooltips
  for (const PaletteItem& item : layout.items()) {
    if (item.kind != PaletteItemKind::cell) continue;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = palette;
    tool.uId = static_cast<UINT_PTR>(item.cell);
    tool.rect = item.box;
    tool.lpszText = const_cast<char*>(kPalette[item.cell].name.data());
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

POINT pointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool inside(HWND palette, POINT point) {
  RECT client;
  GetClientRect(palette, &client);
  return PtInRect(&client, point);
}

LRESULT CALLBACK paletteProcedure(HWND palette, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    attachWindowState(palette, std::make_unique<PaletteState>(
                                   *static_cast<const PaletteSetup*>(create->lpCreateParams)));
    return DefWindowProcA(palette, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    releaseWindowState<PaletteState>(palette);
    return DefWindowProcA(palette, message, wParam, lParam);
  }
  PaletteState* state = stateOf(palette);
  if (!state) return DefWindowProcA(palette, message, wParam, lParam);

  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const PaintScope scope(palette);
      paint(palette, scope.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(palette, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // the picker's window stays the active one
    case WM_MOUSEMOVE: {
      const int item = state->layout.itemAt(pointOf(lParam));
      if (item >= 0) {
        const PaletteItem& hit = state->layout.items()[item];
        setFocus(palette, *state,
                 {item, hit.kind == PaletteItemKind::cell ? hit.cell % kPaletteColumns
                                                          : state->focus.column});
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // The palette holds the capture: a press anywhere outside it cancels.
      if (!inside(palette, pointOf(lParam)))
        finish(*state, {});
      else if (message == WM_LBUTTONDOWN)
        state->pressedItem = state->layout.itemAt(pointOf(lParam));
      return 0;
    case WM_LBUTTONUP: {
      const int item = state->layout.itemAt(pointOf(lParam));
      if (item >= 0 && item == state->pressedItem) confirm(*state, item);
      state->pressedItem = -1;
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != palette) finish(*state, {});
      return 0;
    case WM_CANCELMODE:
    case WM_ACTIVATEAPP:
      if (message == WM_CANCELMODE || !wParam) finish(*state, {});
      return 0;
    default:
      return DefWindowProcA(palette, message, wParam, lParam);
  }
}

bool isKeyboardMessage(UINT message) {
  return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

// Keys while the palette is open, whichever window they were sent to.
void onKey(HWND palette, PaletteState& state, const MSG& msg) {
  if (msg.message == WM_SYSKEYDOWN) {
    finish(state, {});  // Alt and its shortcuts close the palette as they close a menu
    return;
  }
  if (msg.message != WM_KEYDOWN) return;
  switch (msg.wParam) {
    case VK_ESCAPE:
      finish(state, {});
      break;
    case VK_RETURN:
    case VK_SPACE:
      confirm(state, state.focus.item);
      break;
    case VK_LEFT:
      setFocus(palette, state, state.layout.move(state.focus, PaletteKey::left));
      break;
    case VK_RIGHT:
      setFocus(palette, state, state.layout.move(state.focus, PaletteKey::right));
      break;
    case VK_UP:
      setFocus(palette, state, state.layout.move(state.focus, PaletteKey::up));
      break;
    case VK_DOWN:
      setFocus(palette, state, state.layout.move(state.focus, PaletteKey::down));
      break;
    default:
      break;
  }
}

RECT workAreaAround(const RECT& place) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor))
    return monitor.rcWork;
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return screen;
}

}  // namespace

PaletteChoice runColourPalette(HWND picker, std::uint32_t current, bool offerTransparent) {
  static const bool commonControls = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)commonControls;  // without them the palette only lacks its tooltips
  if (openPalette || !ensureWindowClass({kClassName, paletteProcedure, IDC_ARROW, CS_SAVEBITS}))
    return {};

  RECT pickerPlace;
  GetWindowRect(picker, &pickerPlace);
  const SIZE size = PaletteLayout(offerTransparent).size();
  const POINT corner = palettePosition(pickerPlace, size, workAreaAround(pickerPlace));
  const HWND owner = GetAncestor(picker, GA_ROOT);
  const PaletteSetup setup{picker, current, offerTransparent};
  // A top-level popup owned by the picker's window: it stays above that
  // window and adds nothing to its tree of child windows.
  const UniqueWindow palette(CreateWindowExA(
      WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, "", WS_POPUP, corner.x, corner.y, size.cx,
      size.cy, owner, nullptr, GetModuleHandleA(nullptr), const_cast<PaletteSetup*>(&setup)));
  if (!palette) return {};
  PaletteState* state = stateOf(palette.get());
  if (!state) return {};
  addTooltips(palette.get(), state->layout);

  const HWND activeBefore = GetActiveWindow();
  ShowWindow(palette.get(), SW_SHOWNOACTIVATE);
  UpdateWindow(palette.get());
  SetCapture(palette.get());
  openPalette = palette.get();

  // The palette's own loop: every key goes to the palette; everything else is
  // dispatched as usual, so the program's other windows keep painting. The
  // palette dies with its owner, so its state is looked up afresh each time.
  PaletteChoice choice;
  for (;;) {
    state = IsWindow(palette.get()) ? stateOf(palette.get()) : nullptr;
    if (!state) break;  // destroyed with its owner: cancelled
    if (!state->done &&
        (GetCapture() != palette.get() || GetActiveWindow() != activeBefore || !IsWindow(picker)))
      finish(*state, {});
    if (state->done) {
      choice = state->choice;
      break;
    }
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns the quit
      break;
    }
    if (isKeyboardMessage(msg.message)) {
      onKey(palette.get(), *state, msg);
      continue;
    }
    DispatchMessageA(&msg);
  }

  openPalette = nullptr;
  if (IsWindow(palette.get()) && GetCapture() == palette.get()) ReleaseCapture();
  return choice;  // the popup is destroyed here, before the choice takes effect
}

HWND openColourPalette(HWND picker) {
  const PaletteState* state = openPalette ? stateOf(openPalette) : nullptr;
  return state && state->picker == picker ? openPalette : nullptr;
}

}  // namespace tessaly
