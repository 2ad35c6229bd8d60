// Registration of our window classes, once per process.
#pragma once

#include <windows.h>

namespace tessaly {

struct WindowClassSpec {
  const char* name;
  WNDPROC procedure;
  LPCSTR cursor = IDC_ARROW;  // a system cursor
  UINT style = 0;
  HBRUSH background = nullptr;  // null: the window paints its whole client area itself
};

// Registers the class on the first call; true where it is registered (now or
// before). A failed registration is tried again on the next call.
bool ensureWindowClass(const WindowClassSpec& spec);

}  // namespace tessaly
