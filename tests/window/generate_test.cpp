// The generate action on the live window: the preview, its formats, the code,
// and what may happen while a generation runs.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <functional>

#include "generator/colour.h"
#include "generator/gradient.h"
#include "tests/support/fake_platform.h"
#include "tests/window/main_window_fixture.h"
#include "ui/generate_action.h"
#include "ui/window_layout.h"

namespace tessaly::testing {
namespace {

constexpr char kWorkedText[] = "A中B";
constexpr char kWorkedCode[] =
    "[color=#0080FF]A[/color][color=#5580AA]中[/color][color=#AA8055]B[/color]";

// Watches 超级编辑框1 for the generation's insertions (EM_STREAMIN at the
// selection) and runs `afterInsert` with the piece's number after each one.
class InsertWatch {
 public:
  explicit InsertWatch(std::function<void(int)> afterInsert)
      : afterInsert_(std::move(afterInsert)) {
    SetWindowSubclass(controlWindow(Control::超级编辑框1), proc, 1,
                      reinterpret_cast<DWORD_PTR>(this));
  }
  ~InsertWatch() {
    if (const HWND box = controlWindow(Control::超级编辑框1)) RemoveWindowSubclass(box, proc, 1);
  }
  int inserts() const { return inserts_; }

 private:
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR self) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == EM_STREAMIN && (wParam & SFF_SELECTION)) {
      auto& watch = *reinterpret_cast<InsertWatch*>(self);
      watch.afterInsert_(++watch.inserts_);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, proc, 1);
    return result;
  }

  std::function<void(int)> afterInsert_;
  int inserts_ = 0;
};

class GenerateTest : public MainWindowTest {
 protected:
  static void setColours(ColourRef start, ColourRef end) { programColours() = {start, end}; }
  static HWND previewBox() { return control(Control::超级编辑框1); }
  static HWND codeBox() { return control(Control::超级编辑框2); }
};

TEST_F(GenerateTest, EmptyBoxChangesNothing) {
  replaceWholeText(Control::超级编辑框1, "");
  replaceWholeText(Control::超级编辑框2, "old code");
  click(Control::选择框_预览);  // the code box on view
  ScopedFakePlatform fake;
  click(Control::按钮1);
  EXPECT_EQ(readWholeText(Control::超级编辑框1), "");
  EXPECT_EQ(readWholeText(Control::超级编辑框2), "old code");
  EXPECT_FALSE(IsWindowVisible(previewBox()));
  EXPECT_TRUE(IsWindowVisible(codeBox()));
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(GenerateTest, WorkedExampleFillsBothBoxes) {
  setColours(rgb(0x00, 0x80, 0xFF), rgb(0xFF, 0x80, 0x00));
  replaceWholeText(Control::超级编辑框1, kWorkedText);
  click(Control::按钮1);
  EXPECT_EQ(readWholeText(Control::超级编辑框2), kWorkedCode);
  EXPECT_EQ(readWholeText(Control::超级编辑框2).size(), 73u);
  EXPECT_EQ(readWholeText(Control::超级编辑框1), kWorkedText);
}

TEST_F(GenerateTest, EveryPreviewCharacterHasItsPiecesFormat) {
  const std::string text = "Hi, 炫彩 [b]字体[/b]!";
  setColours(rgb(255, 0, 0), rgb(0, 0, 255));
  replaceWholeText(Control::超级编辑框1, text);
  click(Control::按钮1);
  const GradientResult expected = generateGradient(text, rgb(255, 0, 0), rgb(0, 0, 255));
  const HWND box = previewBox();
  for (std::size_t i = 0; i < expected.pieces.size(); ++i) {
    CHARRANGE one{static_cast<LONG>(i), static_cast<LONG>(i + 1)};
    SendMessageA(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SCOPED_TRACE(::testing::Message()
                 << "character " << i << " " << hex(expected.pieces[i].view()));
    ASSERT_NE(format.dwMask & CFM_COLOR, 0u);
    EXPECT_STREQ(format.szFaceName, "宋体");
    EXPECT_EQ(format.yHeight, 180);
    EXPECT_EQ(format.yOffset, 0);
    EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT |
                                  CFE_PROTECTED | CFE_AUTOCOLOR),
              0u);
    EXPECT_EQ(format.crTextColor, expected.pieces[i].colour);
  }
}

TEST_F(GenerateTest, UsageTextIsAnInputLikeAnyOther) {
  // From start-up's colours: black towards white.
  const std::string usage = readWholeText(Control::超级编辑框1);
  click(Control::按钮1);
  const GradientResult expected = generateGradient(usage, 0, 0xFFFFFF);
  EXPECT_EQ(hex(readWholeText(Control::超级编辑框2)), hex(expected.code.view()));
}

TEST_F(GenerateTest, SecondGenerationOfOneLineGivesTheSameCode) {
  setColours(rgb(10, 20, 30), rgb(200, 100, 0));
  replaceWholeText(Control::超级编辑框1, "一行文字 one line");
  click(Control::按钮1);
  const std::string first = readWholeText(Control::超级编辑框2);
  click(Control::按钮1);
  EXPECT_EQ(readWholeText(Control::超级编辑框2), first);
  EXPECT_EQ(readWholeText(Control::超级编辑框1), "一行文字 one line");
}

TEST_F(GenerateTest, LineBreaksStayOneLineBreakInThePreview) {
  // A CR LF is two pieces with a tag each in the code; the preview keeps it
  // one line break, so generating again gives the same text and code.
  const std::string text = "第一行\r\n第二行\r\n\r\nend";
  setColours(rgb(255, 0, 0), rgb(0, 0, 255));
  replaceWholeText(Control::超级编辑框1, text);
  click(Control::按钮1);
  const std::string code = readWholeText(Control::超级编辑框2);
  EXPECT_EQ(code, generateGradient(text, rgb(255, 0, 0), rgb(0, 0, 255)).code.view());
  EXPECT_EQ(hex(readWholeText(Control::超级编辑框1)), hex(text));
  click(Control::按钮1);
  EXPECT_EQ(readWholeText(Control::超级编辑框2), code);
  // A lone CR or LF is a line break of its own.
  replaceWholeText(Control::超级编辑框1, "a\rb");
  click(Control::按钮1);
  EXPECT_EQ(readWholeText(Control::超级编辑框1), "a\r\nb");
}

struct Seen {
  bool preview, code;
  bool operator==(const Seen&) const = default;
};

Seen seen() {
  return {IsWindowVisible(controlWindow(Control::超级编辑框1)) != 0,
          IsWindowVisible(controlWindow(Control::超级编辑框2)) != 0};
}

TEST_F(GenerateTest, CheckBoxClearedBeforehandKeepsTheCodeOnView) {
  click(Control::选择框_预览);
  replaceWholeText(Control::超级编辑框1, "abcd");
  std::vector<Seen> during;
  const InsertWatch watch([&](int) { during.push_back(seen()); });
  click(Control::按钮1);
  EXPECT_EQ(during, std::vector<Seen>(4, Seen{false, true}));
  EXPECT_EQ(seen(), (Seen{false, true}));
  click(Control::选择框_预览);  // ticking it shows the preview, built all the same
  EXPECT_EQ(seen(), (Seen{true, false}));
  EXPECT_EQ(readWholeText(Control::超级编辑框1), "abcd");
}

TEST_F(GenerateTest, CheckBoxClearedDuringAGenerationSwitchesAtTheNextPiece) {
  replaceWholeText(Control::超级编辑框1, "abcdef");
  std::vector<Seen> during;
  const InsertWatch watch([&](int piece) {
    during.push_back(seen());
    // A click the user makes while piece 3 is being shown.
    if (piece == 3) PostMessageA(controlWindow(Control::选择框_预览), BM_CLICK, 0, 0);
  });
  click(Control::按钮1);
  // Pieces 1-3 show the preview; the click switches at once; piece 4 on, the code.
  const std::vector<Seen> expected = {{true, false}, {true, false}, {true, false},
                                      {false, true}, {false, true}, {false, true}};
  EXPECT_EQ(during, expected);
  EXPECT_EQ(seen(), (Seen{false, true}));
  EXPECT_FALSE(isTicked(Control::选择框_预览));
}

TEST_F(GenerateTest, NestedGenerationEndsWithTheOuterCode) {
  setColours(0, 0x00FFFFFF);
  replaceWholeText(Control::超级编辑框1, "abcd");
  bool nested = false;
  const InsertWatch watch([&](int piece) {
    if (piece == 2 && !nested) {
      nested = true;  // a second click on 生成字体 while the first runs
      PostMessageA(controlWindow(Control::按钮1), BM_CLICK, 0, 0);
    }
  });
  click(Control::按钮1);
  ASSERT_TRUE(nested);
  // The nested one took the partial preview "ab"; the outer one then added "cd".
  EXPECT_EQ(readWholeText(Control::超级编辑框1), "abcd");
  EXPECT_EQ(readWholeText(Control::超级编辑框2), generateGradient("abcd", 0, 0xFFFFFF).code.view());
}

TEST_F(GenerateTest, CopyDuringAGenerationCopiesTheOldCode) {
  replaceWholeText(Control::超级编辑框2, "[color=#123456]old[/color]");
  replaceWholeText(Control::超级编辑框1, "new text");
  ScopedFakePlatform fake;
  const InsertWatch watch([&](int piece) {
    if (piece == 2) PostMessageA(controlWindow(Control::按钮2), BM_CLICK, 0, 0);
  });
  click(Control::按钮1);
  ASSERT_EQ(fake.messageBoxes.size(), 1u);
  ASSERT_TRUE(OpenClipboard(nullptr));
  const char* copied = static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT)));
  EXPECT_STREQ(copied, "[color=#123456]old[/color]");
  CloseClipboard();
  EXPECT_EQ(readWholeText(Control::超级编辑框2),
            generateGradient("new text", 0, 0xFFFFFF).code.view());
}

TEST_F(GenerateTest, ClosingTheWindowStopsTheGenerationCleanly) {
  replaceWholeText(Control::超级编辑框1, "a longer text that is still being coloured");
  const InsertWatch watch([&](int piece) {
    if (piece == 5) PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
  });
  click(Control::按钮1);
  EXPECT_EQ(mainWindow(), nullptr);
  EXPECT_EQ(watch.inserts(), 5);  // not one piece more
  int code = -1;
  EXPECT_TRUE(takeQuit(&code));
  EXPECT_EQ(code, 0);
}

TEST_F(GenerateTest, ClosingInsideANestedGenerationStopsBoth) {
  replaceWholeText(Control::超级编辑框1, "abcdefgh");
  int nestedAt = 0;
  const InsertWatch watch([&](int piece) {
    if (piece == 2) PostMessageA(controlWindow(Control::按钮1), BM_CLICK, 0, 0);
    if (piece == 4) nestedAt = piece, PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
  });
  click(Control::按钮1);
  EXPECT_EQ(nestedAt, 4);
  EXPECT_EQ(mainWindow(), nullptr);
  EXPECT_EQ(watch.inserts(), 4);
  EXPECT_TRUE(takeQuit());
}

TEST_F(GenerateTest, TypingDuringAGenerationMixesWithThePreview) {
  replaceWholeText(Control::超级编辑框1, "abc");
  const InsertWatch watch([&](int piece) {
    if (piece == 1) PostMessageA(controlWindow(Control::超级编辑框1), WM_CHAR, 'x', 0);
  });
  click(Control::按钮1);
  // The typed x lands at the caret after piece 1; the pieces go on after it.
  EXPECT_EQ(readWholeText(Control::超级编辑框1), "axbc");
  EXPECT_EQ(readWholeText(Control::超级编辑框2), generateGradient("abc", 0, 0xFFFFFF).code.view());
}

}  // namespace
}  // namespace tessaly::testing
