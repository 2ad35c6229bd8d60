// Tab, Shift+Tab, Enter and Esc pressed as a user presses them: real key
// events through the system's input, handled by the program's own pump.
#include <richedit.h>

#include <algorithm>
#include <vector>

#include "tests/window/main_window_fixture.h"

namespace tessaly::testing {
namespace {

void press(WORD key, bool shift = false) {
  std::vector<INPUT> inputs;
  const auto add = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (shift) add(VK_SHIFT, false);
  add(key, false);
  add(key, true);
  if (shift) add(VK_SHIFT, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Pumps until `done` holds or a second has passed.
template <class Done>
bool pumpUntil(Done done) {
  for (int i = 0; i < 100; ++i) {
    MainWindowTest::pump();
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

class KeyboardTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetForegroundWindow(mainWindow());
    focus(Control::超级编辑框1);
  }
  static void focus(Control name) {
    SetFocus(control(name));
    pumpUntil([&] { return GetFocus() == control(name); });
    ASSERT_EQ(GetFocus(), control(name));
  }
};

TEST_F(KeyboardTest, TabAndShiftTabMoveTheFocusAndInsertNothing) {
  const std::string before = readWholeText(Control::超级编辑框1);
  press(VK_TAB);
  ASSERT_TRUE(pumpUntil([&] { return GetFocus() != control(Control::超级编辑框1); }));
  const HWND next = GetFocus();
  EXPECT_NE(GetWindowLongPtrA(next, GWL_STYLE) & WS_TABSTOP, 0);
  press(VK_TAB, true);
  EXPECT_TRUE(pumpUntil([&] { return GetFocus() == control(Control::超级编辑框1); }));
  EXPECT_EQ(readWholeText(Control::超级编辑框1), before);
}

TEST_F(KeyboardTest, TabVisitsEveryTabStopAndComesBack) {
  std::vector<HWND> visited;
  for (int i = 0; i < 8; ++i) {
    const HWND from = GetFocus();
    press(VK_TAB);
    ASSERT_TRUE(pumpUntil([&] { return GetFocus() != from; })) << "tab " << i;
    visited.push_back(GetFocus());
    if (GetFocus() == control(Control::超级编辑框1)) break;
  }
  // Round the shown tab stops and back to where it started.
  EXPECT_EQ(visited.back(), control(Control::超级编辑框1));
  for (const Control name : {Control::按钮1, Control::按钮2, Control::选择框_预览,
                             Control::颜色选择器_起始颜色, Control::颜色选择器_末尾颜色}) {
    EXPECT_NE(std::find(visited.begin(), visited.end(), control(name)), visited.end())
        << static_cast<int>(name);
  }
}

TEST_F(KeyboardTest, EnterInATextBoxStartsANewLine) {
  replaceWholeText(Control::超级编辑框1, "ab");
  focus(Control::超级编辑框1);
  CHARRANGE end{1, 1};
  SendMessageA(control(Control::超级编辑框1), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  press(VK_RETURN);
  EXPECT_TRUE(pumpUntil([] { return readWholeText(Control::超级编辑框1) == "a\r\nb"; }))
      << hex(readWholeText(Control::超级编辑框1));
  EXPECT_NE(mainWindow(), nullptr);
}

TEST_F(KeyboardTest, EscClosesTheWindowFromAnyControl) {
  for (const Control name : {Control::超级编辑框1, Control::按钮1, Control::颜色选择器_起始颜色}) {
    if (!mainWindow()) MainWindowTest::SetUp();
    SetForegroundWindow(mainWindow());
    focus(name);
    press(VK_ESCAPE);
    EXPECT_TRUE(pumpUntil([] { return mainWindow() == nullptr; })) << static_cast<int>(name);
    int code = -1;
    EXPECT_TRUE(takeQuit(&code));
    EXPECT_EQ(code, 0);
  }
}

}  // namespace
}  // namespace tessaly::testing
