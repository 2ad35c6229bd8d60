// What the window tests of the controls share: a top-level host window with
// a container between it and the controls, real input through SendInput, a
// message pump with the main window's Esc rule, a script of steps that runs
// inside modal loops, and pixels read from a control's own painting.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <vector>

#include "ui/control_events.h"

namespace tessaly::testing {

// A popup top-level window at (0, 0) holding a plain container at
// kContainerOrigin that forwards its children's events. WM_COMMAND reaches
// `bindings`; WM_CLOSE is only counted, so a test sees it without losing the
// window. Unless a test asks for a window of its own, the top-level window is
// shared by all tests (hiding a top-level window costs Wine two seconds on a
// display without a window manager) and only the container is new.
class TestHost {
 public:
  static constexpr POINT kContainerOrigin{10, 10};

  explicit TestHost(bool ownWindow = false);
  ~TestHost();
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  HWND window() const { return window_; }
  HWND container() const { return container_; }
  // Makes the host the active, foreground window (keyboard input goes there).
  bool activate() const;

  EventBindings bindings;
  int closeRequests = 0;
  int forwardedCommands = 0;  // WM_COMMAND passed on by the container

 private:
  bool ownWindow_;
  HWND window_ = nullptr;
  HWND container_ = nullptr;
};

// Dispatches messages until `done` or the time runs out; false on time-out.
// Like the main window's loop, Esc pressed outside any modal loop sends
// WM_CLOSE to the root of the window it went to.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
void pumpFor(DWORD milliseconds);

// Real input, as the user gives it.
void moveMouse(POINT screen);
void leftButton(bool down);
void click(POINT screen);
void pressKey(WORD virtualKey);

// The centre of `box` (client coordinates of `window`) on the screen.
POINT screenCentre(HWND window, const RECT& box);
POINT screenCentre(HWND window);

// Steps run in order from a thread timer, so they also run inside modal
// loops (the palette's, the colour dialog's). A step returns true when it is
// done; the next one starts at the next tick.
class ModalScript {
 public:
  ModalScript();
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  ModalScript& then(std::function<bool()> step);
  bool finished() const;

 private:
  UINT_PTR timer_;
};

// The visible #32770 dialog of this thread, or null.
HWND threadDialog();

// A window's client area as `window` paints it for WM_PRINTCLIENT.
struct Pixels {
  int width = 0, height = 0;
  std::vector<COLORREF> colours;  // row by row
  COLORREF at(int x, int y) const { return colours[y * width + x]; }
  int count(COLORREF colour) const;
  int count(COLORREF colour, const RECT& area) const;
  int countWhere(const std::function<bool(COLORREF)>& test, const RECT& area) const;
  int countWhere(const std::function<bool(COLORREF)>& test) const;
};

// Whether `pixel` leans towards the one channel that `pure` has (pure red,
// green or blue), as smoothed text drawn in `pure` on a grey does.
bool leansTowards(COLORREF pixel, COLORREF pure);
Pixels paintedPixels(HWND window);

}  // namespace tessaly::testing
