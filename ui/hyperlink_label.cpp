// The hyperlink label's window: its drawing states, the capture it holds
// while the pointer is over it, and the press that opens its target.
#include "ui/hyperlink_label.h"

#include <memory>

#include "ui/control_events.h"
#include "ui/link_opening.h"
#include "ui/win32_handles.h"
#include "ui/window_class.h"
#include "ui/window_state.h"

namespace tessaly {
namespace {

constexpr char kClassName[] = "TessalyHyperlinkLabel";

struct LabelState {
  std::string target;
  bool pointerOver = false;
  bool opened = false;
};

LabelState* stateOf(HWND label) {
  return windowState<LabelState>(label);
}

// For the public accessors, which may be handed any window.
const LabelState* labelStateOf(HWND label) {
  char name[64];
  if (!GetClassNameA(label, name, sizeof name) || lstrcmpA(name, kClassName) != 0) return nullptr;
  return stateOf(label);
}

void paint(HWND label, HDC dc) {
  const LabelState* state = stateOf(label);
  RECT client;
  GetClientRect(label, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (!state) return;
  std::string caption(static_cast<std::size_t>(GetWindowTextLengthA(label)) + 1, '\0');
  caption.resize(static_cast<std::size_t>(
      GetWindowTextA(label, caption.data(), static_cast<int>(caption.size()))));
  const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, hyperlinkColourFor(state->pointerOver, state->opened));
  DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &client,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

bool insideClient(HWND label, LPARAM lParam) {
  RECT client;
  GetClientRect(label, &client);
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  return PtInRect(&client, point);
}

void onMouseMove(HWND label, LabelState& state, LPARAM lParam) {
  const bool inside = insideClient(label, lParam);
  if (inside && !state.pointerOver) {
    SetCapture(label);
    state.pointerOver = true;
    InvalidateRect(label, nullptr, FALSE);
  } else if (!inside && state.pointerOver) {
    ReleaseCapture();  // WM_CAPTURECHANGED ends the pointer-over state
  }
}

void onCaptureChanged(HWND label, LabelState& state) {
  if (!state.pointerOver) return;
  state.pointerOver = false;
  InvalidateRect(label, nullptr, FALSE);
}

void onLeftButtonDown(HWND label, LabelState& state, LPARAM lParam) {
  // While the label holds the capture it also gets presses outside it.
  if (!insideClient(label, lParam)) {
    ReleaseCapture();
    return;
  }
  state.opened = openHyperlinkTarget(state.target);
  InvalidateRect(label, nullptr, FALSE);
  if (state.opened) UpdateWindow(label);
  raiseEvent(label, kLinkAttempted);
}

LRESULT CALLBACK labelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    auto state = std::make_unique<LabelState>();
    state->target = *static_cast<const std::string*>(create->lpCreateParams);
    attachWindowState(label, std::move(state));
    return DefWindowProcA(label, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    releaseWindowState<LabelState>(label);
    return DefWindowProcA(label, message, wParam, lParam);
  }
  LabelState* state = stateOf(label);
  if (!state) return DefWindowProcA(label, message, wParam, lParam);

  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT: {
      const PaintScope scope(label);
      paint(label, scope.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(label, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, FALSE);
      return result;
    }
    case WM_MOUSEMOVE:
      onMouseMove(label, *state, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      onCaptureChanged(label, *state);
      return 0;
    case WM_LBUTTONDOWN:
      onLeftButtonDown(label, *state, lParam);
      return 0;
    default:
      return DefWindowProcA(label, message, wParam, lParam);
  }
}

}  // namespace

HWND createHyperlinkLabel(HWND parent, int id, const RECT& place, const std::string& caption,
                          const std::string& target) {
  if (!ensureWindowClass({kClassName, labelProcedure, IDC_HAND})) return nullptr;
  return CreateWindowExA(0, kClassName, caption.c_str(), WS_CHILD, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), const_cast<std::string*>(&target));
}

bool hyperlinkLabelOpened(HWND label) {
  const LabelState* state = labelStateOf(label);
  return state && state->opened;
}

bool hyperlinkLabelPointerOver(HWND label) {
  const LabelState* state = labelStateOf(label);
  return state && state->pointerOver;
}

COLORREF hyperlinkLabelTextColour(HWND label) {
  const LabelState* state = labelStateOf(label);
  return state ? hyperlinkColourFor(state->pointerOver, state->opened)
               : hyperlinkColourFor(false, false);
}

}  // namespace tessaly
