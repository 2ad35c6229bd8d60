// The preview switch, copy and the pickers' handlers on the live window.
#include "tests/support/fake_platform.h"
#include "tests/window/main_window_fixture.h"
#include "ui/control_events.h"
#include "ui/window_layout.h"

namespace tessaly::testing {
namespace {

struct Visibility {
  bool ticked, preview, code;
  bool operator==(const Visibility&) const = default;
};

Visibility visibility() {
  return {isTicked(Control::选择框_预览), IsWindowVisible(controlWindow(Control::超级编辑框1)) != 0,
          IsWindowVisible(controlWindow(Control::超级编辑框2)) != 0};
}

TEST_F(MainWindowTest, PreviewSwitchFollowsTheCheckBox) {
  EXPECT_EQ(visibility(), (Visibility{true, true, true}));  // the code box covered
  click(Control::选择框_预览);
  EXPECT_EQ(visibility(), (Visibility{false, false, true}));
  click(Control::选择框_预览);
  EXPECT_EQ(visibility(), (Visibility{true, true, false}));
  click(Control::选择框_预览);
  EXPECT_EQ(visibility(), (Visibility{false, false, true}));
}

TEST_F(MainWindowTest, PickerEventsStoreTheColoursThroughTheContainers) {
  // The event as a picker raises it, from inside 外形框1 inside 分组框1.
  programColours() = {1, 2};
  raiseEvent(control(Control::颜色选择器_起始颜色), kColourChosen);
  EXPECT_EQ(programColours().start, currentColour(Control::颜色选择器_起始颜色));
  EXPECT_EQ(programColours().end, 2u);
  raiseEvent(control(Control::颜色选择器_末尾颜色), kColourChosen);
  EXPECT_EQ(programColours().end, 0x00FFFFFFu);
}

std::optional<std::string> clipboardText() {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (OpenClipboard(nullptr)) {
      std::optional<std::string> text;
      if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        const auto* bytes = static_cast<const char*>(GlobalLock(data));
        const std::size_t size = GlobalSize(data);
        if (bytes) text = std::string(bytes, strnlen(bytes, size));
        GlobalUnlock(data);
      }
      CloseClipboard();
      return text;
    }
    Sleep(10);
  }
  return std::nullopt;
}

void setClipboardText(const std::string& text) {
  ScopedFakePlatform real;  // the fake passes the clipboard through
  ASSERT_TRUE(real.openClipboard(nullptr));
  real.emptyClipboard();
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  real.closeClipboard();
}

TEST_F(MainWindowTest, CopyPutsTheWholeCodeOnTheClipboardAndConfirms) {
  const std::string code =
      "[color=#000000]中[/color][color=#7F7F7F]\r[/color][color=#FF0000]\n[/color]";
  replaceWholeText(Control::超级编辑框2, code);
  ScopedFakePlatform fake;
  click(Control::按钮2);
  EXPECT_EQ(hex(clipboardText().value_or("(none)")), hex(code));
  ASSERT_EQ(fake.messageBoxes.size(), 1u);
  EXPECT_EQ(fake.messageBoxes[0].text, "复制成功!");
  EXPECT_EQ(fake.messageBoxes[0].caption, "信息：");
  EXPECT_EQ(fake.messageBoxes[0].flags, 0x1000u);  // MB_OK | MB_SYSTEMMODAL
  EXPECT_EQ(fake.messageBoxes[0].owner, nullptr);
  EXPECT_EQ(fake.count("globalAlloc " + std::to_string(code.size() + 1)), 1);
  EXPECT_EQ(fake.globalFrees, 0);  // the clipboard owns it
}

TEST_F(MainWindowTest, CopyOfAnEmptyCodeBoxDoesNothing) {
  ScopedFakePlatform fake;
  click(Control::按钮2);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(MainWindowTest, FailedCopiesShowNothingAndLoseNothing) {
  struct Case {
    const char* name;
    bool openFails, allocFails, setFails;
    bool clipboardKept;  // the user's clipboard text still there afterwards
  };
  const Case cases[] = {
      {"clipboard can't be opened", true, false, false, true},
      {"no memory", false, true, false, true},
      {"clipboard refuses the memory", false, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    setClipboardText("the user's own text");
    replaceWholeText(Control::超级编辑框2, "[color=#000000]x[/color]");
    ScopedFakePlatform fake;
    fake.openClipboardFails = c.openFails;
    fake.globalAllocFails = c.allocFails;
    fake.setClipboardDataFails = c.setFails;
    click(Control::按钮2);
    EXPECT_TRUE(fake.messageBoxes.empty());
    if (c.clipboardKept) {
      EXPECT_EQ(clipboardText(), "the user's own text");
    }
    // Memory not handed over is freed again.
    EXPECT_EQ(fake.globalFrees, c.allocFails ? 0 : 1);
    EXPECT_EQ(fake.count("emptyClipboard"), c.openFails || c.allocFails ? 0 : 1);
  }
}

}  // namespace
}  // namespace tessaly::testing
