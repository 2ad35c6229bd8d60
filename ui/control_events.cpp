#include "ui/control_events.h"

namespace tessaly {

void raiseEvent(HWND control, WORD code) {
  const HWND parent = GetParent(control);
  if (!parent) return;
  const auto id = static_cast<WORD>(GetDlgCtrlID(control));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

bool forwardToParent(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_COMMAND && message != WM_NOTIFY) return false;
  const HWND parent = GetParent(container);
  result = parent ? SendMessageA(parent, message, wParam, lParam) : 0;
  return true;
}

void EventBindings::bind(int controlId, WORD code, std::function<void()> handler) {
  bindings_.push_back({controlId, code, std::move(handler)});
}

bool EventBindings::dispatch(WPARAM commandWParam) const {
  const int id = LOWORD(commandWParam);
  const WORD code = HIWORD(commandWParam);
  for (const Binding& binding : bindings_) {
    if (binding.controlId == id && binding.code == code) {
      binding.handler();
      return true;
    }
  }
  return false;
}

}  // namespace tessaly
