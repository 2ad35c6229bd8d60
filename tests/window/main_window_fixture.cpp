#include "tests/window/main_window_fixture.h"

#include "ui/message_pump.h"

namespace tessaly::testing {

void MainWindowTest::SetUp() {
  ASSERT_EQ(GetACP(), 936u) << "the tests need code page 936 (LC_ALL=zh_CN.UTF-8)";
  // As start-up does after its prompt: the colours the pickers show.
  ASSERT_TRUE(createMainWindow(GetModuleHandleA(nullptr), [] {
    programColours().start = currentColour(Control::颜色选择器_起始颜色);
    programColours().end = currentColour(Control::颜色选择器_末尾颜色);
  }));
  ASSERT_NE(mainWindow(), nullptr);
}

void MainWindowTest::TearDown() {
  if (const HWND window = mainWindow()) DestroyWindow(window);
  pump();
  takeQuit();
}

void MainWindowTest::pump() {
  processPendingMessages();
}

bool MainWindowTest::takeQuit(int* code) {
  MSG message;
  if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  if (code) *code = static_cast<int>(message.wParam);
  return true;
}

std::string hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

}  // namespace tessaly::testing
