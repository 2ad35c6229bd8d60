// The support prompt's box and its three outcomes.
#include <gtest/gtest.h>

#include "app/external_function.h"
#include "app/support_prompt.h"
#include "tests/app/startup_fixture.h"
#include "ui/site_settings.h"

namespace tessaly::testing {
namespace {

using SupportPrompt = StartupTest;

void expectThePrompt(const FakePlatform& fake) {
  ASSERT_EQ(fake.messageBoxes.size(), 1u);
  const MessageBoxCall& box = fake.messageBoxes[0];
  EXPECT_EQ(box.text, "是 否 支 持 作 者 网 址？\r\n按 “ 否 ”拒绝支持 ！");
  EXPECT_EQ(box.caption, "信息：");
  EXPECT_EQ(box.flags, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL));
  EXPECT_EQ(box.owner, nullptr);
}

TEST_F(SupportPrompt, YesOpensTheAuthorsSiteOwnedByTheBrowserWindow) {
  fake.messageBoxAnswer = IDYES;
  fake.foundWindow = reinterpret_cast<HWND>(0x1234);
  supportPrompt();
  expectThePrompt(fake);
  EXPECT_EQ(fake.count("findTopLevelWindow Microsoft Internet Explorer"), 1);
  EXPECT_EQ(fake.calls.back(), "shellExecute open " + std::string(kAuthorSiteAddress) + " " +
                                   std::to_string(SW_SHOWNORMAL));
  EXPECT_EQ(fake.shellOwners, std::vector<HWND>{fake.foundWindow});

  fake.foundWindow = nullptr;
  fake.shellExecuteResult = 2;  // a failure to open changes nothing
  supportPrompt();
  EXPECT_EQ(fake.shellOwners.back(), nullptr);
}

TEST_F(SupportPrompt, NoEndsAtOnceWithZeroAndReleasesTheEngine) {
  callSkinAttachEx("skin", "");  // the engine is loaded by now
  fake.messageBoxAnswer = IDNO;
  try {
    supportPrompt();
    FAIL() << "went on after No";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.code, 0);
  }
  expectThePrompt(fake);
  EXPECT_EQ(fake.count("shellExecute"), 0);
  const auto released = std::find(fake.calls.begin(), fake.calls.end(), "freeLibrary");
  ASSERT_NE(released, fake.calls.end());
  EXPECT_EQ(*(released + 1), "exitProcess 0");
}

TEST_F(SupportPrompt, ABoxThatCouldNotBeShownDoesNeither) {
  fake.messageBoxAnswer = 0;
  supportPrompt();
  expectThePrompt(fake);
  EXPECT_EQ(fake.count("shellExecute"), 0);
  EXPECT_EQ(fake.count("exitProcess"), 0);
}

}  // namespace
}  // namespace tessaly::testing
