// The live main window: its handle, its controls' handles and its event
// bindings. One window per program; gone (null) once it is destroyed.
#pragma once

#include <windows.h>

#include <array>

#include "ui/control_events.h"
#include "ui/window_layout.h"

namespace tessaly {

struct MainWindowState {
  HWND window = nullptr;
  std::array<HWND, kControlCount> controls{};
  EventBindings events;
};

// Null when there is no main window.
MainWindowState* mainWindowState();

// The control's window, or null when the window (or the control) is gone.
HWND controlWindow(Control control);

}  // namespace tessaly
