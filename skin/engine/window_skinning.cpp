#include "skin/engine/window_skinning.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <unordered_map>
#include <string_view>
#include <vector>

#include "skin/engine/gdi.h"
#include "skin/engine/painter.h"

namespace tessaly::skin {
namespace {

// What a subclassed window is, decided when it is subclassed.
enum class Role : DWORD_PTR {
  TopLevel = 1,  // a captioned or dialog window: face, frame and caption
  PushButton,
  CheckBox,
  GroupBox,
  Custom,  // a window of the program's own class: a container, a label, or left alone
};

constexpr UINT_PTR kSubclassId = 0x5E1E;

// The skin in force. Everything runs on the threads that attached, which are
// the threads owning the windows; one skin serves the process.
Skin current;
Brush windowFaceBrush, containerFaceBrush;
thread_local HHOOK creationHook = nullptr;
thread_local HWND hotButton = nullptr;
// The role of each window skinned on this thread (comctl32 keeps no way to
// ask a subclass for its data that every system exports by name).
thread_local std::unordered_map<HWND, DWORD_PTR> roles;

LRESULT CALLBACK skinnedProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

std::string className(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

// System controls that draw their own content (and the rich-text boxes,
// whose contents are the program's): never touched. Static controls get
// their background through the parent's WM_CTLCOLORSTATIC instead.
bool isSystemClass(std::string_view name) {
  static constexpr std::array<std::string_view, 16> kSystem = {
      "Edit",      "ListBox",         "ComboBox",         "ComboLBox",
      "ScrollBar", "RichEdit",        "RICHEDIT",         "msctls_",
      "Sys",       "ToolbarWindow32", "tooltips_class32", "ReBarWindow32",
      "#32768",    "MDIClient",       "Static",           "IME"};
  return std::any_of(kSystem.begin(), kSystem.end(),
                     [&](std::string_view prefix) { return startsWithNoCase(name, prefix); });
}

// A button the program subclassed itself draws itself: leave it.
bool isProgramSubclassed(HWND window) {
  return GetWindowLongPtrA(window, GWLP_WNDPROC) !=
         static_cast<LONG_PTR>(GetClassLongPtrA(window, GCLP_WNDPROC));
}

// The role of a window about to be skinned; 0 for windows left alone.
DWORD_PTR roleFor(HWND window, bool justCreated) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const std::string name = className(window);
  if (!(style & WS_CHILD)) {
    const bool captioned = (style & WS_CAPTION) == WS_CAPTION;
    return captioned || name == "#32770" ? static_cast<DWORD_PTR>(Role::TopLevel) : 0;
  }
  if (startsWithNoCase(name, "Button") && name.size() == 6) {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX:
        return static_cast<DWORD_PTR>(Role::GroupBox);
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        return !justCreated && isProgramSubclassed(window)
                   ? 0
                   : static_cast<DWORD_PTR>(Role::PushButton);
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
        if (style & BS_PUSHLIKE) return 0;
        return !justCreated && isProgramSubclassed(window) ? 0
                                                           : static_cast<DWORD_PTR>(Role::CheckBox);
      default:
        return 0;  // radio buttons, owner-drawn and the rest keep their looks
    }
  }
  return isSystemClass(name) ? 0 : static_cast<DWORD_PTR>(Role::Custom);
}

void skinWindow(HWND window, bool justCreated) {
  if (const DWORD_PTR role = roleFor(window, justCreated))
    if (SetWindowSubclass(window, skinnedProc, kSubclassId, role)) roles[window] = role;
}

std::optional<Role> roleOf(HWND window) {
  const auto found = roles.find(window);
  if (found == roles.end()) return std::nullopt;
  return static_cast<Role>(found->second);
}

bool hasChildren(HWND window) {
  return GetWindow(window, GW_CHILD) != nullptr;
}

// A program-drawn plain window with children is a container; one without,
// that takes no focus and isn't see-through, a label.
bool isContainer(HWND window) {
  return hasChildren(window);
}
bool isLabel(HWND window) {
  return !hasChildren(window) && !(GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) &&
         !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

// The face a window shows, as its children see it behind them.
COLORREF faceOf(HWND window) {
  const auto role = roleOf(window);
  if (role == Role::Custom && isContainer(window)) return current.containerFace;
  return current.windowFace;
}
COLORREF faceBehind(HWND window) {
  return faceOf(GetParent(window));
}

HBRUSH faceBrush(HWND window) {
  return roleOf(window) == Role::Custom && isContainer(window) ? containerFaceBrush.get()
                                                               : windowFaceBrush.get();
}

RECT clientArea(HWND window) {
  RECT area{};
  GetClientRect(window, &area);
  return area;
}

void redrawNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(std::max(0, GetWindowTextA(window, text.data(), length + 1))));
  return text;
}

HFONT fontOf(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
}

// The text colour the program wants for a control: what its parent sets on
// the DC in answer to WM_CTLCOLORSTATIC (black unless the program says).
COLORREF programTextColour(HWND control, HDC dc) {
  const int saved = SaveDC(dc);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SendMessageA(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(control));
  const COLORREF colour = GetTextColor(dc);
  RestoreDC(dc, saved);
  return colour;
}

void paintButtonLike(HWND window, Role role, HDC dc) {
  const RECT area = clientArea(window);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const auto state = static_cast<LRESULT>(SendMessageA(window, BM_GETSTATE, 0, 0));
  const bool focused = GetFocus() == window;
  const bool enabled = IsWindowEnabled(window) != FALSE;
  if (role == Role::PushButton) {
    ButtonLook look;
    look.text = windowText(window);
    look.font = fontOf(window);
    look.pressed = (state & BST_PUSHED) != 0;
    look.hot = hotButton == window;
    look.focused = focused;
    look.enabled = enabled;
    look.multiline = (style & BS_MULTILINE) != 0;
    look.behind = faceBehind(window);
    paintPushButton(dc, area, current, look);
  } else {
    CheckBoxLook look;
    look.text = windowText(window);
    look.font = fontOf(window);
    look.checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    look.focused = focused;
    look.enabled = enabled;
    look.textRight = !(style & BS_LEFTTEXT) && !(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_RIGHT);
    look.face = faceBehind(window);
    look.textColour = programTextColour(window, dc);
    paintCheckBox(dc, area, current, look);
  }
}

void paintContainerLike(HWND window, Role role, HDC dc) {
  const RECT area = clientArea(window);
  if (role == Role::GroupBox)
    paintGroupBox(dc, area, current, windowText(window), fontOf(window),
                  programTextColour(window, dc));
  else
    paintContainer(dc, area, current);
}

// Paints a container in WM_PAINT: around its children (it may lack
// WS_CLIPCHILDREN), and under the see-through ones, which then paint again.
void paintContainerWindow(HWND window, Role role) {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  if (!dc) return;
  std::vector<HWND> seeThrough;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    if (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) {
      RECT overlap{};
      if (IntersectRect(&overlap, &place, &paint.rcPaint)) seeThrough.push_back(child);
    } else {
      ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
    }
  }
  paintContainerLike(window, role, dc);
  EndPaint(window, &paint);
  for (HWND child : seeThrough) InvalidateRect(child, nullptr, TRUE);
}

void recolourLabel(HWND window) {
  if (!IsWindowVisible(window)) return;
  const WindowDc dc(window, GetDC(window));
  if (dc.get())
    replaceColour(dc.get(), clientArea(window), GetSysColor(COLOR_BTNFACE), faceBehind(window));
}

// Answers a child's WM_CTLCOLOR*: the program's text colour, the skin's face.
LRESULT controlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DefSubclassProc(window, message, wParam, lParam);
  const auto dc = reinterpret_cast<HDC>(wParam);
  SetBkColor(dc, faceOf(window));
  return reinterpret_cast<LRESULT>(faceBrush(window));
}

bool changesButtonLook(UINT message) {
  switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case BM_CLICK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_UPDATEUISTATE:
    case WM_CAPTURECHANGED:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSCOLORCHANGE:
      return true;
    default:
      return false;
  }
}

bool mayRepaintLabel(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_TIMER:
      return true;
    default:
      return false;
  }
}

LRESULT topLevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      const RECT area = clientArea(window);
      FillRect(reinterpret_cast<HDC>(wParam), &area, windowFaceBrush.get());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
      return controlColour(window, message, wParam, lParam);
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_ACTIVATE: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if (IsWindow(window)) paintFrameAndCaption(window, current);
      return result;
    }
    default:
      return DefSubclassProc(window, message, wParam, lParam);
  }
}

LRESULT buttonProc(HWND window, Role role, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      if (const HDC dc = BeginPaint(window, &paint)) {
        paintButtonLike(window, role, dc);
        EndPaint(window, &paint);
      }
      return 0;
    }
    case WM_PRINTCLIENT:
      paintButtonLike(window, role, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if (hotButton != window) {
        const HWND previous = hotButton;
        hotButton = window;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        if (previous && IsWindow(previous)) redrawNow(previous);
        redrawNow(window);
      }
      return result;
    }
    case WM_MOUSELEAVE: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if (hotButton == window) hotButton = nullptr;
      redrawNow(window);
      return result;
    }
    default: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if (changesButtonLook(message) && IsWindow(window)) redrawNow(window);
      return result;
    }
  }
}

LRESULT containerProc(HWND window, Role role, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paintContainerWindow(window, role);
      return 0;
    case WM_PRINTCLIENT:
      paintContainerLike(window, role, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return controlColour(window, message, wParam, lParam);
    default: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if ((message == WM_SETTEXT || message == WM_ENABLE) && IsWindow(window))
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      return result;
    }
  }
}

LRESULT customProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (isContainer(window)) return containerProc(window, Role::Custom, message, wParam, lParam);
  if (!isLabel(window)) return DefSubclassProc(window, message, wParam, lParam);
  // A label paints itself; then the system face it painted becomes the skin's.
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_PRINTCLIENT)
    replaceColour(reinterpret_cast<HDC>(wParam), clientArea(window), GetSysColor(COLOR_BTNFACE),
                  faceBehind(window));
  else if ((message == WM_PAINT || mayRepaintLabel(message)) && IsWindow(window))
    recolourLabel(window);
  return result;
}

LRESULT CALLBACK skinnedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR roleData) {
  if (message == WM_NCDESTROY) {
    if (hotButton == window) hotButton = nullptr;
    RemoveWindowSubclass(window, skinnedProc, kSubclassId);
    roles.erase(window);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  const auto role = static_cast<Role>(roleData);
  switch (role) {
    case Role::TopLevel:
      return topLevelProc(window, message, wParam, lParam);
    case Role::PushButton:
    case Role::CheckBox:
      return buttonProc(window, role, message, wParam, lParam);
    case Role::GroupBox:
      return containerProc(window, role, message, wParam, lParam);
    case Role::Custom:
      return customProc(window, message, wParam, lParam);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK onCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) skinWindow(reinterpret_cast<HWND>(wParam), true);
  return CallNextHookEx(creationHook, code, wParam, lParam);
}

BOOL CALLBACK skinChild(HWND child, LPARAM) {
  skinWindow(child, false);
  return TRUE;
}

BOOL CALLBACK skinTopLevel(HWND window, LPARAM) {
  skinWindow(window, false);
  EnumChildWindows(window, skinChild, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return TRUE;
}

}  // namespace

bool applyToThread(const Skin& skin) {
  Brush windowFace(CreateSolidBrush(skin.windowFace));
  Brush containerFace(CreateSolidBrush(skin.containerFace));
  if (!windowFace || !containerFace) return false;
  if (!creationHook) {
    creationHook = SetWindowsHookExA(WH_CBT, onCreation, nullptr, GetCurrentThreadId());
    if (!creationHook) return false;
  }
  // Windows keep pointing at this module's procedures: once a skin is on,
  // the module stays loaded until the process ends, whoever releases it.
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCSTR>(&skinnedProc), &self);
  current = skin;
  windowFaceBrush = std::move(windowFace);
  containerFaceBrush = std::move(containerFace);
  EnumThreadWindows(GetCurrentThreadId(), skinTopLevel, 0);
  return true;
}

}  // namespace tessaly::skin
