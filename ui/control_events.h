// How controls raise events and how the window finds their handlers.
//
// A control raises an event as a WM_COMMAND notification to its parent, as a
// button does: the low word of wParam is the control's id, the high word the
// event code, lParam the control's window. A container control passes
// WM_COMMAND and WM_NOTIFY on to its own parent, so an event reaches the
// top-level window wherever the control sits. There, EventBindings maps
// (control id, event code) to the handler.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace tessaly {

// The colour picker's one event: the user confirmed a choice.
inline constexpr WORD kColourChosen = 0x7A01;

// Sends the event `code` of `control` to its parent.
void raiseEvent(HWND control, WORD code);

// For a container's window procedure: passes the children's notifications
// (WM_COMMAND, WM_NOTIFY) on to the container's parent. True where `message`
// was one of them; `result` is then the parent's answer.
bool forwardToParent(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

class EventBindings {
 public:
  void bind(int controlId, WORD code, std::function<void()> handler);
  // Runs the handler bound to the WM_COMMAND with this wParam; false where none is.
  bool dispatch(WPARAM commandWParam) const;

 private:
  struct Binding {
    int controlId;
    WORD code;
    std::function<void()> handler;
  };
  std::vector<Binding> bindings_;
};

}  // namespace tessaly
