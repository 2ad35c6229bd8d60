// Finding and keeping the engine's function: where the library is looked
// for, and the fatal errors when it or its function is missing.
#include <gtest/gtest.h>

#include "app/external_function.h"
#include "tests/app/startup_fixture.h"

namespace tessaly::testing {
namespace {

using ExternalFunctionTest = StartupTest;

constexpr char kMissingExportReport[] =
    "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“jedata.dll”中的输出命令“Skin_AttachEx”\r\n";

void expectMissingExportReport(const FakePlatform& fake) {
  expectFatalReportBox(fake, kMissingExportReport);
}

TEST_F(ExternalFunctionTest, TheProgramFolderComesFirst) {
  fake.programFolderValue = "C:\\program\\";
  std::vector<std::string> asked;
  fake.onLoadLibrary = [&](const char* path) {
    asked.push_back(path);
    return kFakeEngine;
  };
  EXPECT_EQ(callSkinAttachEx("skin", ""), 1);
  EXPECT_EQ(asked, std::vector<std::string>{"C:\\program\\jedata.dll"});
}

TEST_F(ExternalFunctionTest, ThenTheBareNameAndTheFunctionIsKept) {
  fake.programFolderValue = "C:\\program\\";
  std::vector<std::string> asked;
  fake.onLoadLibrary = [&](const char* path) {
    asked.push_back(path);
    return asked.size() == 2 ? kFakeEngine : nullptr;
  };
  EXPECT_EQ(callSkinAttachEx("skin", ""), 1);
  EXPECT_EQ(callSkinAttachEx("skin", ""), 1);
  EXPECT_EQ(asked,
            (std::vector<std::string>{"C:\\program\\jedata.dll", "jedata.dll"}));  // loaded once
  EXPECT_EQ(skinAttachRecord().handle, kFakeEngine);
  EXPECT_EQ(engineCalls.size(), 2u);

  releaseExternalLibraries();
  EXPECT_EQ(fake.count("freeLibrary"), 1);
  EXPECT_EQ(skinAttachRecord().handle, nullptr);
  EXPECT_EQ(skinAttachRecord().address, nullptr);
}

TEST_F(ExternalFunctionTest, NoLibraryAnywhereIsFatal) {
  fake.onLoadLibrary = [](const char*) -> HMODULE { return nullptr; };
  try {
    callSkinAttachEx("skin", "");
    FAIL() << "went on without the engine";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.code, -1);
  }
  EXPECT_EQ(fake.count("loadLibrary"), 2);
  expectMissingExportReport(fake);
  EXPECT_TRUE(engineCalls.empty());
}

// A real library named jedata.dll without the export, beside the "program".
TEST_F(ExternalFunctionTest, ALibraryWithoutTheFunctionIsReleasedAndFatal) {
  fake.onLoadLibrary = nullptr;
  fake.onProcAddress = nullptr;
  fake.programFolderValue = win32Platform().programFolder() + "no-export\\";
  try {
    callSkinAttachEx("skin", "");
    FAIL() << "went on without the function";
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.code, -1);
  }
  const std::vector<std::string> expected = {
      "loadLibrary " + *fake.programFolderValue + "jedata.dll", "procAddress Skin_AttachEx",
      "freeLibrary"};
  ASSERT_GE(fake.calls.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(fake.calls.begin(), fake.calls.begin() + 3), expected);
  expectMissingExportReport(fake);
  EXPECT_EQ(GetModuleHandleA((*fake.programFolderValue + "jedata.dll").c_str()), nullptr);
}

// The real engine beside the test program: found, called, a bad skin refused.
TEST_F(ExternalFunctionTest, TheRealEngineIsCalled) {
  fake.onLoadLibrary = nullptr;
  fake.onProcAddress = nullptr;
  EXPECT_EQ(callSkinAttachEx("C:\\no\\such.she", ""), 0);
  EXPECT_NE(skinAttachRecord().handle, nullptr);
  EXPECT_EQ(fake.count("loadLibrary"), 1);
}

}  // namespace
}  // namespace tessaly::testing
