// The hyperlink label as the user meets it: real pointer moves and presses,
// its colours read from its own painting, the shell and the registry steered
// through the platform double.
#include "ui/hyperlink_label.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"
#include "tests/ui/ui_test_support.h"

namespace tessaly {
namespace {

using namespace testing;

constexpr COLORREF kBlue = 0x00FF0000, kRed = 0x000000FF, kGreen = 0x00008000;
constexpr int kLabelId = 301;
const std::string kTarget = "http://127.0.0.1:9/";

class HyperlinkLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Keep the real pointer away from the windows until a test moves it.
    moveMouse({1000, 740});
    label = createHyperlinkLabel(host.container(), kLabelId, {40, 40, 208, 56}, "官方网站：label",
                                 target);
    ASSERT_NE(label, nullptr);
    ShowWindow(label, SW_SHOW);
    UpdateWindow(label);
    host.bindings.bind(kLabelId, kLinkAttempted, [this] { ++attempts; });
  }

  void pointAtLabel() {
    moveMouse(screenCentre(label));
    ASSERT_TRUE(pumpUntil([&] { return hyperlinkLabelPointerOver(label); }));
  }
  void pointAway() {
    moveMouse(screenCentre(host.container(), {150, 200, 152, 202}));
    ASSERT_TRUE(pumpUntil([&] { return !hyperlinkLabelPointerOver(label); }));
  }
  void press() {
    const int before = attempts;
    leftButton(true);
    ASSERT_TRUE(pumpUntil([&] { return attempts > before; }));
  }
  void release() {
    leftButton(false);
    pumpFor(30);
  }
  // The caption's colour as painted: exactly one of the three appears, on
  // the button-face colour (the text may be smoothed into it).
  void expectPainted(COLORREF colour) {
    const Pixels pixels = paintedPixels(label);
    EXPECT_EQ(pixels.at(0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pixels.at(pixels.width - 1, pixels.height - 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_GT(pixels.count(colour), 0) << std::hex << colour;
    for (const COLORREF each : {kBlue, kRed, kGreen}) {
      const int leaning = pixels.countWhere([each](COLORREF p) { return leansTowards(p, each); });
      if (each == colour)
        EXPECT_GT(leaning, 20) << std::hex << each;
      else
        EXPECT_EQ(leaning, 0) << std::hex << each;
    }
    EXPECT_EQ(hyperlinkLabelTextColour(label), colour);
  }

  std::string target = kTarget;
  ScopedFakePlatform fake;
  TestHost host;
  HWND label = nullptr;
  int attempts = 0;
};

TEST_F(HyperlinkLabelTest, IsAPlainChildWithAHandPointer) {
  EXPECT_EQ(GetParent(label), host.container());
  EXPECT_EQ(GetWindowLongPtrA(label, GWL_STYLE) & (WS_BORDER | WS_TABSTOP), 0);
  EXPECT_EQ(GetWindowLongPtrA(label, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(label, GCLP_HCURSOR)),
            LoadCursorA(nullptr, IDC_HAND));
  char caption[64];
  GetWindowTextA(label, caption, sizeof caption);
  EXPECT_STREQ(caption, "官方网站：label");
  EXPECT_FALSE(hyperlinkLabelOpened(label));
  expectPainted(kBlue);
}

TEST_F(HyperlinkLabelTest, PointerOverHoldsTheCaptureAndTurnsRed) {
  pointAtLabel();
  EXPECT_EQ(GetCapture(), label);
  expectPainted(kRed);
  // Moving within the label keeps the state.
  RECT client;
  GetClientRect(label, &client);
  moveMouse(screenCentre(label, {2, 2, 4, 4}));
  pumpFor(50);
  EXPECT_TRUE(hyperlinkLabelPointerOver(label));

  pointAway();
  EXPECT_NE(GetCapture(), label);
  expectPainted(kBlue);
  EXPECT_EQ(fake.count("shellExecute"), 0);  // pointing opens nothing
}

TEST_F(HyperlinkLabelTest, TheCaptureTakenAwayEndsThePointerOverState) {
  pointAtLabel();
  SetCapture(host.window());
  pumpFor(20);
  EXPECT_FALSE(hyperlinkLabelPointerOver(label));
  expectPainted(kBlue);
  ReleaseCapture();
}

TEST_F(HyperlinkLabelTest, APressOutsideWhileHoldingTheCaptureOpensNothing) {
  pointAtLabel();
  // A press that reaches the label through its capture, away from it.
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-30, 5));
  pumpFor(20);
  EXPECT_EQ(fake.count("shellExecute"), 0);
  EXPECT_FALSE(hyperlinkLabelPointerOver(label));
  EXPECT_NE(GetCapture(), label);
  expectPainted(kBlue);
}

TEST_F(HyperlinkLabelTest, PressingOpensTheTargetBeforeTheRelease) {
  pointAtLabel();
  press();
  // The button is still down.
  EXPECT_TRUE(hyperlinkLabelOpened(label));
  EXPECT_EQ(fake.calls, std::vector<std::string>{"shellExecute open " + kTarget + " 5"});
  expectPainted(kRed);  // pointer over wins
  release();
  EXPECT_EQ(fake.count("shellExecute"), 1);  // the release opens nothing more
  pointAway();
  expectPainted(kGreen);
  pointAtLabel();
  expectPainted(kRed);
}

TEST_F(HyperlinkLabelTest, OpenedStateFollowsTheLatestAttemptByEitherWay) {
  const std::string command = "htmlfile\\shell\\open\\command";
  struct Case {
    const char* what;
    std::intptr_t shell;
    std::map<std::string, std::string> registry;
    unsigned winExec;
    bool opened;
  };
  const Case cases[] = {
      {"shell succeeds", 42, {}, 0, true},
      {"shell fails, registry unreadable", 2, {}, 33, false},
      {"shell fails, browser command runs",
       31,
       {{".htm", "htmlfile"}, {command, "b.exe %1"}},
       33,
       true},
      {"shell fails, no command key", 31, {{".htm", "htmlfile"}}, 33, false},
      {"shell fails, browser command fails",
       31,
       {{".htm", "htmlfile"}, {command, "b.exe %1"}},
       2,
       false},
      {"shell fails, empty command", 31, {{".htm", "htmlfile"}, {command, ""}}, 33, false},
  };
  // Run twice over so that each case follows both a success and a failure.
  for (int round = 0; round < 2; ++round) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      fake.shellExecuteResult = c.shell;
      fake.classesRoot = c.registry;
      fake.winExecResult = c.winExec;
      fake.calls.clear();
      pointAtLabel();
      press();
      release();
      EXPECT_EQ(hyperlinkLabelOpened(label), c.opened);
      EXPECT_EQ(fake.count("shellExecute"), 1);
      pointAway();
      expectPainted(c.opened ? kGreen : kBlue);
    }
  }
}

TEST_F(HyperlinkLabelTest, AFallbackCommandLineQuotesTheAddress) {
  fake.shellExecuteResult = 2;
  fake.classesRoot = {{".htm", "htmlfile"},
                      {"htmlfile\\shell\\open\\command", "\"C:\\b.exe\" -url \"%1\""}};
  pointAtLabel();
  press();
  release();
  EXPECT_TRUE(hyperlinkLabelOpened(label));
  EXPECT_EQ(fake.calls.back(), "winExec \"C:\\b.exe\" -url  \"" + kTarget + "\" 5");
}

class HyperlinkLabelWithoutTarget : public HyperlinkLabelTest {
 protected:
  void SetUp() override {
    target.clear();
    HyperlinkLabelTest::SetUp();
  }
};

TEST_F(HyperlinkLabelWithoutTarget, FailsAndAsksNobody) {
  pointAtLabel();
  press();
  release();
  EXPECT_FALSE(hyperlinkLabelOpened(label));
  EXPECT_TRUE(fake.calls.empty());
  pointAway();
  expectPainted(kBlue);
}

}  // namespace
}  // namespace tessaly
