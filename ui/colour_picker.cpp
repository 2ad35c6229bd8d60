// The colour picker's button: its swatch, its press, and what a choice in
// its palette does.
#include "ui/colour_picker.h"

#include <memory>
#include <optional>

#include "generator/palette.h"
#include "platform/platform.h"
#include "ui/colour_palette.h"
#include "ui/control_events.h"
#include "ui/win32_handles.h"
#include "ui/window_class.h"
#include "ui/window_state.h"

namespace tessaly {
namespace {

constexpr char kClassName[] = "TessalyColourPicker";
constexpr int kArrowWidth = 8;

struct PickerState {
  explicit PickerState(const ColourPickerSettings& settings)
      : value(settings.initial), offerTransparent(settings.offerTransparent) {}
  std::uint32_t value;
  bool offerTransparent;
  bool tracking = false;  // the left button went down on the picker
  bool pushed = false;    // drawn pressed: tracking with the pointer inside, or palette open
};

bool isPicker(HWND window) {
  char name[64];
  return GetClassNameA(window, name, sizeof name) && lstrcmpA(name, kClassName) == 0;
}

PickerState* stateOf(HWND picker) {
  return isPicker(picker) ? windowState<PickerState>(picker) : nullptr;
}

void drawArrow(HDC dc, const RECT& area) {
  const int centreX = (area.left + area.right) / 2;
  const int centreY = (area.top + area.bottom) / 2;
  const POINT triangle[3] = {
      {centreX - 3, centreY - 1}, {centreX + 3, centreY - 1}, {centreX, centreY + 2}};
  const SelectedObject pen(dc, GetStockObject(NULL_PEN));
  const SelectedObject brush(dc, GetSysColorBrush(COLOR_BTNTEXT));
  Polygon(dc, triangle, 3);
}

void paint(HWND picker, HDC dc) {
  const PickerState* state = stateOf(picker);
  RECT client;
  GetClientRect(picker, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (!state) return;
  RECT frame = client;
  DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (state->pushed ? DFCS_PUSHED : 0));

  const int shift = state->pushed ? 1 : 0;
  RECT swatch{client.left + 4 + shift, client.top + 4 + shift,
              client.right - 4 - kArrowWidth + shift, client.bottom - 4 + shift};
  RECT arrow{swatch.right, swatch.top, client.right - 2 + shift, swatch.bottom};
  if (swatch.right > swatch.left && swatch.bottom > swatch.top) {
    if (state->value == AutoColour) {
      FillRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      RECT text = swatch;
      DrawTextA(dc, kTransparentName.data(), static_cast<int>(kTransparentName.size()), &text,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    } else {
      const UniqueBrush brush(CreateSolidBrush(state->value & 0x00FFFFFFu));
      FillRect(dc, &swatch, brush.get());
    }
    FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
  }
  drawArrow(dc, arrow);
  if (GetFocus() == picker) {
    RECT focus = client;
    InflateRect(&focus, -2, -2);
    DrawFocusRect(dc, &focus);
  }
}

void setPushed(HWND picker, PickerState& state, bool pushed) {
  if (state.pushed == pushed) return;
  state.pushed = pushed;
  InvalidateRect(picker, nullptr, FALSE);
}

bool pointerInside(HWND picker, LPARAM lParam) {
  RECT client;
  GetClientRect(picker, &client);
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  return PtInRect(&client, point);
}

// Runs the palette and, on a confirmed choice, takes it and raises the event.
void choose(HWND picker) {
  PickerState* state = stateOf(picker);
  if (!state || colourPickerPalette(picker)) return;
  const std::uint32_t start = state->value;
  setPushed(picker, *state, true);
  const PaletteChoice choice = runColourPalette(picker, start, state->offerTransparent);
  // The picker may have been destroyed while the palette's loop ran.
  state = stateOf(picker);
  if (!state) return;
  setPushed(picker, *state, false);
  UpdateWindow(picker);

  std::optional<std::uint32_t> chosen;
  if (choice.kind == PaletteChoice::Kind::colour) {
    chosen = choice.colour;
  } else if (choice.kind == PaletteChoice::Kind::moreColours) {
    chosen = platform().chooseColour(GetAncestor(picker, GA_ROOT), start & 0x00FFFFFFu);
    state = stateOf(picker);
    if (!state) return;
  }
  if (!chosen) return;
  state->value = *chosen;
  InvalidateRect(picker, nullptr, FALSE);
  raiseEvent(picker, kColourChosen);
}

LRESULT CALLBACK pickerProcedure(HWND picker, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    attachWindowState(picker,
                      std::make_unique<PickerState>(
                          *static_cast<const ColourPickerSettings*>(create->lpCreateParams)));
    return DefWindowProcA(picker, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    releaseWindowState<PickerState>(picker);
    return DefWindowProcA(picker, message, wParam, lParam);
  }
  PickerState* state = windowState<PickerState>(picker);
  if (!state) return DefWindowProcA(picker, message, wParam, lParam);

  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const PaintScope scope(picker);
      paint(picker, scope.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(picker, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(picker, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE: {
      // Enter opens the palette rather than pressing a dialog's default button.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      const bool enter = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
      return DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
      if ((wParam == VK_SPACE || wParam == VK_RETURN) && !(lParam & (1 << 30))) choose(picker);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(picker);
      SetCapture(picker);
      state->tracking = true;
      setPushed(picker, *state, true);
      return 0;
    case WM_MOUSEMOVE:
      if (state->tracking) setPushed(picker, *state, pointerInside(picker, lParam));
      return 0;
    case WM_LBUTTONUP: {
      if (!state->tracking) return 0;
      const bool inside = pointerInside(picker, lParam);
      ReleaseCapture();  // WM_CAPTURECHANGED ends the tracking
      if (inside) choose(picker);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (state->tracking) {
        state->tracking = false;
        setPushed(picker, *state, false);
      }
      return 0;
    case WM_ENABLE:
      InvalidateRect(picker, nullptr, FALSE);
      return 0;
    default:
      return DefWindowProcA(picker, message, wParam, lParam);
  }
}

}  // namespace

HWND createColourPicker(HWND parent, int id, const RECT& place,
                        const ColourPickerSettings& settings, DWORD style) {
  if (!ensureWindowClass({kClassName, pickerProcedure, IDC_ARROW})) return nullptr;
  return CreateWindowExA(0, kClassName, "", WS_CHILD | style, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), const_cast<ColourPickerSettings*>(&settings));
}

std::uint32_t colourPickerValue(HWND picker) {
  const PickerState* state = stateOf(picker);
  return state ? state->value : 0;
}

void openColourPickerPalette(HWND picker) {
  choose(picker);
}

HWND colourPickerPalette(HWND picker) {
  return openColourPalette(picker);
}

}  // namespace tessaly
