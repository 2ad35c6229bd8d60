// A live main window for a test, created as the program creates it, and the
// helpers tests use to work it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/main_window_state.h"

namespace tessaly::testing {

class MainWindowTest : public ::testing::Test {
 public:
  // Handles what is pending, through the program's own pump.
  static void pump();

 protected:
  void SetUp() override;
  void TearDown() override;

  static HWND control(Control name) { return controlWindow(name); }

  // A click on a button as BM_CLICK does it: the button's own handling, then
  // the event to its parent.
  static void click(Control button) { SendMessageA(control(button), BM_CLICK, 0, 0); }

  // Whether a WM_QUIT waits in the queue; takes it out.
  static bool takeQuit(int* code = nullptr);
};

// The text's code page 936 bytes as hex, for readable failures.
std::string hex(std::string_view bytes);

}  // namespace tessaly::testing
