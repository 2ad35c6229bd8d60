// Opening a hyperlink's target, with the shell and the registry answering as
// each case says.
#include "ui/link_opening.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

namespace tessaly {
namespace {

using testing::ScopedFakePlatform;

TEST(BrowserCommandLine, CutsAtThePlaceholderAndQuotesTheAddress) {
  struct Case {
    const char* registered;
    const char* address;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"\"C:\\b\\browser.exe\" -- \"%1\"", "http://a/", "\"C:\\b\\browser.exe\" --  \"http://a/\""},
      {"browser.exe %1", "http://a/", "browser.exe  \"http://a/\""},
      {"browser.exe -url %1 -new", "http://a/", "browser.exe -url  \"http://a/\""},
      // The quoted placeholder counts before a bare one that comes earlier.
      {"b.exe %1x \"%1\"", "http://a/", "b.exe %1x  \"http://a/\""},
      {"browser.exe", "http://a/", "browser.exe \"http://a/\""},
      {"winebrowser.exe -nohome", "http://a b/", "winebrowser.exe -nohome \"http://a b/\""},
      // Backslashes before the closing quote would escape it.
      {"b.exe", "C:\\dir\\", "b.exe \"C:\\dir\\\\\""},
      // Nothing to run: empty or blank before the placeholder.
      {"", "http://a/", std::nullopt},
      {"   ", "http://a/", std::nullopt},
      {"\"%1\"", "http://a/", std::nullopt},
      {" \t%1", "http://a/", std::nullopt},
      // A quote in the address could end the quoting and split the command.
      {"browser.exe \"%1\"", "http://a/\" & calc.exe", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(browserCommandLine(c.registered, c.address), c.expected)
        << "[" << c.registered << "] + [" << c.address << "]";
}

TEST(OpenHyperlinkTarget, ShellFirstThenTheRegisteredBrowser) {
  const std::string target = "http://127.0.0.1:9/";
  const std::string htmlCommand = "htmlfile\\shell\\open\\command";
  struct Case {
    const char* what;
    std::intptr_t shell;
    std::map<std::string, std::string> registry;
    unsigned winExec;
    bool opened;
    std::vector<std::string> calls;
  };
  const std::string shellCall = "shellExecute open " + target + " 5";
  const std::string htm = "classesRoot .htm", command = "classesRoot " + htmlCommand;
  const std::string run = "winExec \"b.exe\"  \"" + target + "\" 5";
  const Case cases[] = {
      {"the shell opens it", 42, {}, 33, true, {shellCall}},
      {"the shell's 33 is a success", 33, {}, 33, true, {shellCall}},
      {"the shell fails, the browser runs",
       32,
       {{".htm", "htmlfile"}, {htmlCommand, "\"b.exe\" \"%1\""}},
       33,
       true,
       {shellCall, htm, command, run}},
      {"the shell fails, the browser fails to run",
       2,
       {{".htm", "htmlfile"}, {htmlCommand, "\"b.exe\" \"%1\""}},
       2,
       false,
       {shellCall, htm, command, run}},
      {"no .htm type", 2, {}, 33, false, {shellCall, htm}},
      {"an empty .htm type", 2, {{".htm", ""}}, 33, false, {shellCall, htm}},
      {"no command for the type", 2, {{".htm", "htmlfile"}}, 33, false, {shellCall, htm, command}},
      {"an empty command is never run",
       2,
       {{".htm", "htmlfile"}, {htmlCommand, ""}},
       33,
       false,
       {shellCall, htm, command}},
      {"a blank command is never run",
       2,
       {{".htm", "htmlfile"}, {htmlCommand, "  \"%1\""}},
       33,
       false,
       {shellCall, htm, command}},
  };
  for (const Case& c : cases) {
    ScopedFakePlatform fake;
    fake.shellExecuteResult = c.shell;
    fake.classesRoot = c.registry;
    fake.winExecResult = c.winExec;
    EXPECT_EQ(openHyperlinkTarget(target), c.opened) << c.what;
    EXPECT_EQ(fake.calls, c.calls) << c.what;
  }
}

TEST(OpenHyperlinkTarget, AnEmptyTargetFailsWithoutAskingAnyone) {
  ScopedFakePlatform fake;
  EXPECT_FALSE(openHyperlinkTarget(""));
  EXPECT_TRUE(fake.calls.empty());
}

TEST(HyperlinkColour, PointerOverWinsOverOpened) {
  EXPECT_EQ(hyperlinkColourFor(false, false), 0x00FF0000u);
  EXPECT_EQ(hyperlinkColourFor(true, false), 0x000000FFu);
  EXPECT_EQ(hyperlinkColourFor(true, true), 0x000000FFu);
  EXPECT_EQ(hyperlinkColourFor(false, true), 0x00008000u);
}

}  // namespace
}  // namespace tessaly
