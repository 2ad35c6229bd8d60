#include "ui/message_pump.h"

#include <windows.h>

#include "ui/main_window.h"

namespace tessaly {
namespace {

// The window's keyboard rules, ahead of translation: Esc closes the main
// window whichever control has the focus, and Tab / Shift+Tab move the focus
// among the tab stops (a rich-text box never sees the tab). True where the
// message was used up.
bool preTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const HWND window = mainWindow();
  if (!window) return false;
  if (message.wParam == VK_ESCAPE) {
    SendMessageA(window, WM_CLOSE, 0, 0);
    return true;
  }
  if (message.wParam == VK_TAB) {
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    if (const HWND next = GetNextDlgTabItem(window, GetFocus(), backwards)) SetFocus(next);
    return true;
  }
  return false;
}

void handle(const MSG& message) {
  if (preTranslate(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace

bool pumpOneMessage() {
  MSG message;
  if (GetMessageA(&message, nullptr, 0, 0) <= 0) return false;
  handle(message);
  return true;
}

void processPendingMessages() {
  MSG next;
  while (PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE) && next.message != WM_QUIT) {
    if (!pumpOneMessage()) break;
  }
}

int runMessageLoop() {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) handle(message);
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

}  // namespace tessaly
