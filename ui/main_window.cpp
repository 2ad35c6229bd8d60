#include "ui/main_window.h"

#include <commctrl.h>
#include <richedit.h>

#include <memory>

#include "ui/colour_picker.h"
#include "ui/hyperlink_label.h"
#include "ui/main_window_handlers.h"
#include "ui/main_window_state.h"
#include "ui/plain_controls.h"
#include "ui/rich_text_box.h"
#include "ui/site_settings.h"

namespace tessaly {
namespace {

constexpr char kMainWindowClass[] = "TessalyMainWindow";
constexpr int kIconResource = 1;

std::unique_ptr<MainWindowState> state;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (state && state->window == window && state->events.dispatch(wParam)) return 0;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return buttonFaceColours(reinterpret_cast<HDC>(wParam));
    case WM_DESTROY:
      // The about-to-be-destroyed event has no handler. The main window is the
      // program's only window, so the message loop ends with it.
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      if (state && state->window == window) state.reset();
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool registerMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, kMainWindowClass, &existing)) return true;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = mainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  const auto icon = [&](int size) {
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, size, size, LR_SHARED));
  };
  windowClass.hIcon = icon(GetSystemMetrics(SM_CXICON));
  windowClass.hIconSm = icon(GetSystemMetrics(SM_CXSMICON));
  return RegisterClassExA(&windowClass) != 0;
}

RECT placeOf(const ControlSpec& spec) {
  return {spec.left, spec.top, spec.left + spec.width, spec.top + spec.height};
}

// Every control is first made a child of the window, as the table lists them.
HWND createControl(HWND window, const ControlSpec& spec) {
  const int id = controlId(spec.name);
  const RECT place = placeOf(spec);
  const DWORD tabStop = spec.tabStop ? WS_TABSTOP : 0;
  switch (spec.kind) {
    case ControlKind::HyperlinkLabel: {
      const auto target =
          spec.name == Control::超级链接框1 ? kAuthorSiteAddress : kPartnerSiteAddress;
      return createHyperlinkLabel(window, id, place, spec.text, std::string(target));
    }
    case ControlKind::TransparentLabel:
      return createTransparentLabel(window, id, place, spec.text);
    case ControlKind::PushButton:
      return CreateWindowExA(
          0, "BUTTON", spec.text.c_str(),
          WS_CHILD | tabStop | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, place.left,
          place.top, spec.width, spec.height, window,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    case ControlKind::CheckBox: {
      const HWND box = CreateWindowExA(
          0, "BUTTON", spec.text.c_str(),
          WS_CHILD | tabStop | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, place.left,
          place.top, spec.width, spec.height, window,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
      if (box) SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
      return box;
    }
    case ControlKind::ShapeBox:
      return createShapeBox(window, id, place);
    case ControlKind::Label:
      return createTextLabel(window, id, place, spec.text);
    case ControlKind::ColourPicker: {
      const bool start = spec.name == Control::颜色选择器_起始颜色;
      return createColourPicker(window, id, place, {start ? 0u : 0x00FFFFFFu, true}, tabStop);
    }
    case ControlKind::GroupBox:
      return createGroupBox(window, id, place);
    case ControlKind::RichTextBox:
      return createRichTextBox(window, id, place, spec.name == Control::超级编辑框2);
  }
  return nullptr;
}

void setUpRichTextBox(Control box, const std::string& text) {
  const HWND window = controlWindow(box);
  replaceWholeText(box, text);
  CHARRANGE caret{0, 0};
  SendMessageA(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  SendMessageA(window, EM_SETMODIFY, 0, 0);
}

bool createControls(MainWindowState& created) {
  const auto& table = mainWindowControls();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const HWND control = createControl(created.window, table[i]);
    if (!control) return false;
    created.controls[i] = control;
    // The rich-text boxes keep their own default format: WM_SETFONT would
    // reapply its face to all their text.
    if (table[i].kind != ControlKind::RichTextBox)
      SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
  }
  // Into their containers, at the places of the table.
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (!table[i].parent) continue;
    const HWND control = created.controls[i];
    SetParent(control, created.controls[static_cast<std::size_t>(*table[i].parent)]);
    SetWindowPos(control, nullptr, table[i].left, table[i].top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Stack the siblings: each one just below those before it.
  for (const HWND control : created.controls)
    SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

}  // namespace

MainWindowState* mainWindowState() {
  return state.get();
}

HWND controlWindow(Control control) {
  return state ? state->controls[static_cast<std::size_t>(control)] : nullptr;
}

HWND mainWindow() {
  return state ? state->window : nullptr;
}

bool createMainWindow(HINSTANCE instance, const std::function<void()>& created) {
  INITCOMMONCONTROLSEX common{};
  common.dwSize = sizeof common;
  common.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&common);
  if (state || !registerMainWindowClass(instance)) return false;

  const int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  const HWND window =
      CreateWindowExA(0, kMainWindowClass, mainWindowCaption().c_str(), kMainWindowStyle, left, top,
                      kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return false;
  state = std::make_unique<MainWindowState>();
  state->window = window;
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  if (!createControls(*state)) {
    DestroyWindow(window);
    // Creating the window posted nothing the loop should see.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return false;
  }
  setUpRichTextBox(Control::超级编辑框1, initialUsageText());
  setUpRichTextBox(Control::超级编辑框2, "");
  bindMainWindowHandlers(state->events);

  for (const HWND control : state->controls) ShowWindow(control, SW_SHOWNA);
  created();
  if (!state || state->window != window) return true;  // the created handler ended it all
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return true;
}

}  // namespace tessaly
