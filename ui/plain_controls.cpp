#include "ui/plain_controls.h"

#include <commctrl.h>

#include <memory>
#include <type_traits>

#include "ui/control_events.h"

namespace tessaly {
namespace {

constexpr char kLabelClass[] = "TessalyLabel";
constexpr char kTransparentLabelClass[] = "TessalyTransparentLabel";
constexpr char kShapeBoxClass[] = "TessalyShapeBox";

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

HFONT labelFont() {
  // Shared by both labels for the program's life.
  static const Font font(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH | FF_DONTCARE, "宋体"));
  return font.get();
}

HFONT guiFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::string windowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// WM_PAINT and WM_PRINTCLIENT through one drawing function; true where
// `message` was one of them.
template <class Draw>
bool paintMessage(HWND window, UINT message, WPARAM wParam, Draw draw) {
  if (message != WM_PAINT && message != WM_PRINTCLIENT) return false;
  RECT client;
  GetClientRect(window, &client);
  if (message == WM_PRINTCLIENT) {
    draw(reinterpret_cast<HDC>(wParam), client);
    return true;
  }
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  draw(dc, client);
  EndPaint(window, &ps);
  return true;
}

// The window's text in `font` and `colour`, laid out by `format`, over what
// the DC already shows.
void drawText(HWND window, HDC dc, RECT client, HFONT font, COLORREF colour, UINT format) {
  const HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  const std::string text = windowText(window);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, format | DT_NOPREFIX);
  SelectObject(dc, old);
}

void drawLabel(HWND window, HDC dc, RECT client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  drawText(window, dc, client, labelFont(), RGB(0, 0, 0), DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

LRESULT CALLBACK labelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (paintMessage(window, message, wParam,
                   [&](HDC dc, RECT client) { drawLabel(window, dc, client); }))
    return 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void drawTransparentLabel(HWND window, HDC dc, RECT client) {
  drawText(window, dc, client, guiFont(), RGB(0xFF, 0, 0), DT_CENTER | DT_TOP | DT_WORDBREAK);
}

LRESULT CALLBACK transparentLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (paintMessage(window, message, wParam,
                   [&](HDC dc, RECT client) { drawTransparentLabel(window, dc, client); }))
    return 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // no background: what lies below shows through
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void drawShapeBox(HDC dc, RECT client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

LRESULT CALLBACK shapeBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT forwarded = 0;
  if (forwardToParent(window, message, wParam, lParam, forwarded)) return forwarded;
  if (paintMessage(window, message, wParam, drawShapeBox)) return 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return buttonFaceColours(reinterpret_cast<HDC>(wParam));
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The group box passes its children's events on and colours their text.
LRESULT CALLBACK groupBoxSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR) {
  LRESULT forwarded = 0;
  if (forwardToParent(window, message, wParam, lParam, forwarded)) return forwarded;
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return buttonFaceColours(reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, groupBoxSubclass, 0);
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

bool registerClass(const char* name, WNDPROC proc, HBRUSH background, HCURSOR cursor) {
  WNDCLASSA existing;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoA(instance, name, &existing)) return true;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = instance;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0;
}

HWND createChild(DWORD exStyle, const char* className, const std::string& text, DWORD style,
                 HWND parent, int id, const RECT& place) {
  const HWND window = CreateWindowExA(
      exStyle, className, text.c_str(), WS_CHILD | style, place.left, place.top,
      place.right - place.left, place.bottom - place.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  return window;
}

}  // namespace

LRESULT buttonFaceColours(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

HWND createTextLabel(HWND parent, int id, const RECT& place, const std::string& text) {
  if (!registerClass(kLabelClass, labelProc, nullptr, LoadCursorA(nullptr, IDC_ARROW)))
    return nullptr;
  return createChild(0, kLabelClass, text, 0, parent, id, place);
}

HWND createTransparentLabel(HWND parent, int id, const RECT& place, const std::string& text) {
  if (!registerClass(kTransparentLabelClass, transparentLabelProc, nullptr,
                     LoadCursorA(nullptr, IDC_ARROW)))
    return nullptr;
  return createChild(WS_EX_TRANSPARENT, kTransparentLabelClass, text, 0, parent, id, place);
}

HWND createShapeBox(HWND parent, int id, const RECT& place) {
  if (!registerClass(kShapeBoxClass, shapeBoxProc, nullptr, LoadCursorA(nullptr, IDC_ARROW)))
    return nullptr;
  // A control parent, so Tab reaches the pickers inside it.
  return createChild(WS_EX_CONTROLPARENT, kShapeBoxClass, "", 0, parent, id, place);
}

HWND createGroupBox(HWND parent, int id, const RECT& place) {
  const HWND box =
      createChild(WS_EX_CONTROLPARENT, "BUTTON", "", BS_GROUPBOX | BS_LEFT, parent, id, place);
  if (box && !SetWindowSubclass(box, groupBoxSubclass, 0, 0)) {
    DestroyWindow(box);
    return nullptr;
  }
  return box;
}

}  // namespace tessaly
