// Per-window state of our own window classes: each window owns one State
// object through GWLP_USERDATA, made at WM_NCCREATE and released at
// WM_NCDESTROY, the last message a window gets.
#pragma once

#include <windows.h>

#include <memory>

namespace tessaly {

// The window's state, or null before WM_NCCREATE and after WM_NCDESTROY.
template <class State>
State* windowState(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

template <class State>
void attachWindowState(HWND window, std::unique_ptr<State> state) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
}

template <class State>
void releaseWindowState(HWND window) {
  std::unique_ptr<State> owned(windowState<State>(window));
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
}

}  // namespace tessaly
