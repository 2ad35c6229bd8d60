// The created handler on the real main window: the start-up steps in order,
// all before the window is shown, and the two colours from the pickers.
#include <gtest/gtest.h>

#include "app/builtin_data.h"
#include "app/created_handler.h"
#include "tests/app/startup_fixture.h"
#include "ui/controls.h"
#include "ui/main_window.h"

namespace tessaly::testing {
namespace {

using CreatedHandler = StartupTest;

TEST_F(CreatedHandler, RunsTheStartUpBeforeTheWindowIsShown) {
  programColours() = {0x123456, 0x654321};
  bool shownDuringPrompt = true;
  fake.onMessageBox = [&](const MessageBoxCall&) {
    shownDuringPrompt = mainWindow() && IsWindowVisible(mainWindow());
    return IDYES;
  };
  ASSERT_TRUE(createMainWindow(GetModuleHandleA(nullptr), onMainWindowCreated));
  EXPECT_FALSE(shownDuringPrompt);
  EXPECT_TRUE(IsWindowVisible(mainWindow()));

  // Skin set-up, engine call, prompt, site: in this order, after the window
  // has loaded its rich-edit library.
  std::vector<std::string> kinds;
  for (const std::string& call : fake.calls)
    if (!call.starts_with("loadLibrary RICHED")) kinds.push_back(call.substr(0, call.find(' ')));
  const std::vector<std::string> expected = {"pathExists", "writeFile",          "temporaryFolder",
                                             "writeFile",  "loadLibrary",        "procAddress",
                                             "messageBox", "findTopLevelWindow", "shellExecute"};
  EXPECT_EQ(kinds, expected);
  ASSERT_EQ(engineCalls.size(), 1u);
  EXPECT_EQ(engineCalls[0].skinPath, skinPath());
  EXPECT_EQ(readFile(skinPath()), builtinSkin(kProgramSkinNumber));

  // The pickers start black and white.
  EXPECT_EQ(programColours().start, 0x000000u);
  EXPECT_EQ(programColours().end, 0xFFFFFFu);
  DestroyWindow(mainWindow());
}

}  // namespace
}  // namespace tessaly::testing
