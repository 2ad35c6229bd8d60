// The skin set-up's file steps on a real folder tree, and its engine call.
#include <gtest/gtest.h>

#include "app/builtin_data.h"
#include "app/skin_setup.h"
#include "tests/app/startup_fixture.h"

namespace tessaly::testing {
namespace {

using SkinSetup = StartupTest;

TEST(BuiltinData, HoldsTheEngineAndTwentyFiveSkins) {
  const std::string_view engine = engineLibraryImage();
  ASSERT_GT(engine.size(), 1024u);
  EXPECT_EQ(engine.substr(0, 2), "MZ");
  for (int number = 1; number <= 25; ++number)
    EXPECT_EQ(builtinSkin(number).substr(0, 6), std::string_view(".SHE\x00\x03", 6)) << number;
  EXPECT_TRUE(builtinSkin(0).empty());
  EXPECT_TRUE(builtinSkin(26).empty());
}

TEST(SkinPath, OneBackslashBetweenFolderAndName) {
  const struct {
    std::optional<std::string> folder;
    const char* path;
  } cases[] = {
      {"C:\\temp\\", "C:\\temp\\{df6546sd4fwer}.she"},
      {"C:\\temp", "C:\\temp\\{df6546sd4fwer}.she"},
      {"C:\\", "C:\\{df6546sd4fwer}.she"},
      {"", "{df6546sd4fwer}.she"},
      {std::nullopt, "{df6546sd4fwer}.she"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(skinPathIn(c.folder), c.path) << c.folder.value_or("(none)");
}

TEST_F(SkinSetup, FirstRunWritesBothFilesAndAttachesTheSkin) {
  setUpSkin(13);
  EXPECT_EQ(readFile(installPath()), engineLibraryImage());
  EXPECT_EQ(readFile(skinPath()), builtinSkin(13));
  ASSERT_EQ(engineCalls.size(), 1u);
  EXPECT_EQ(engineCalls[0].skinPath, skinPath());
  EXPECT_EQ(engineCalls[0].password, "");
  // The steps in their order.
  const std::vector<std::string> expected = {
      "pathExists " + installPath(),
      "writeFile " + installPath() + " " + std::to_string(engineLibraryImage().size()),
      "temporaryFolder",
      "writeFile " + skinPath() + " " + std::to_string(builtinSkin(13).size()),
      "loadLibrary " + fake.programFolder() + "jedata.dll",
      "procAddress Skin_AttachEx"};
  EXPECT_EQ(fake.calls, expected);
}

TEST_F(SkinSetup, AnExistingFileOrDirectoryAtTheInstallPathIsLeftAlone) {
  writeFile(installPath(), "someone else's library");
  setUpSkin(13);
  EXPECT_EQ(readFile(installPath()), "someone else's library");

  std::filesystem::remove(installPath());
  std::filesystem::create_directory(installPath());
  fake.calls.clear();
  setUpSkin(13);
  EXPECT_TRUE(std::filesystem::is_directory(installPath()));
  EXPECT_EQ(fake.count("writeFile " + installPath()), 0);
  EXPECT_EQ(readFile(skinPath()), builtinSkin(13));  // the skin is written all the same
}

TEST_F(SkinSetup, TheSkinFileIsRewrittenEveryTime) {
  writeFile(skinPath(), std::string(builtinSkin(7)) + "and a longer tail than skin 13 has");
  setUpSkin(13);
  EXPECT_EQ(readFile(skinPath()), builtinSkin(13));
  setUpSkin(13);
  EXPECT_EQ(readFile(skinPath()), builtinSkin(13));
  EXPECT_EQ(fake.count("writeFile " + installPath()), 1);  // the library only once
}

TEST_F(SkinSetup, TemporaryFolderWithoutBackslashGetsOne) {
  std::string withoutBackslash = folder("temp");
  withoutBackslash.pop_back();
  fake.temporaryFolderValue = std::optional<std::string>(withoutBackslash);
  setUpSkin(13);
  EXPECT_EQ(readFile(skinPath()), builtinSkin(13));
  ASSERT_EQ(engineCalls.size(), 1u);
  EXPECT_EQ(engineCalls[0].skinPath, skinPath());
}

TEST_F(SkinSetup, NoTemporaryFolderMeansTheBareFileName) {
  fake.temporaryFolderValue = std::optional<std::string>(std::nullopt);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(root_);
  setUpSkin(13);
  std::filesystem::current_path(previous);
  EXPECT_EQ(readFile((root_ / "{df6546sd4fwer}.she").string()), builtinSkin(13));
  ASSERT_EQ(engineCalls.size(), 1u);
  EXPECT_EQ(engineCalls[0].skinPath, "{df6546sd4fwer}.she");
}

TEST_F(SkinSetup, SkinNumbers) {
  const struct {
    int number;
    int written;  // the built-in skin expected in the file; 0 for none
  } cases[] = {{0, 25}, {1, 1}, {13, 13}, {25, 25}, {26, 0}, {-1, 0}, {1000, 0}};
  for (const auto& c : cases) {
    std::filesystem::remove(skinPath());
    std::filesystem::remove(installPath());
    fake.calls.clear();
    engineCalls.clear();
    setUpSkin(c.number);
    // The library and the folder query happen whatever the number.
    EXPECT_EQ(fake.count("pathExists"), 1) << c.number;
    EXPECT_EQ(fake.count("temporaryFolder"), 1) << c.number;
    EXPECT_EQ(readFile(installPath()), engineLibraryImage()) << c.number;
    if (c.written) {
      EXPECT_EQ(readFile(skinPath()), builtinSkin(c.written)) << c.number;
      EXPECT_EQ(engineCalls.size(), 1u) << c.number;
    } else {
      EXPECT_FALSE(std::filesystem::exists(skinPath())) << c.number;
      EXPECT_TRUE(engineCalls.empty()) << c.number;
      EXPECT_EQ(fake.count("loadLibrary"), 0) << c.number;
    }
  }
}

TEST_F(SkinSetup, FailedWritesDontStopTheEngineCall) {
  fake.writeFileFails = true;
  setUpSkin(13);
  EXPECT_EQ(fake.count("writeFile"), 2);
  EXPECT_EQ(engineCalls.size(), 1u);
}

}  // namespace
}  // namespace tessaly::testing
