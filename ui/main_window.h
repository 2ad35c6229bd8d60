// The program's one window with its fourteen controls.
#pragma once

#include <windows.h>

#include <functional>

namespace tessaly {

// Creates the main window and its controls, raises `created` (before the
// window is ever shown), then shows the window. False where the window or
// one of its controls couldn't be created; nothing is left behind then.
bool createMainWindow(HINSTANCE instance, const std::function<void()>& created);

// The main window, or null when there is none (not yet created, or destroyed).
HWND mainWindow();

}  // namespace tessaly
