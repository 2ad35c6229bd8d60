// The fatal-error report: its exact text for each error, the box, and the
// end that follows it; and out of memory from the program's operator new.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>

#include "app/external_function.h"
#include "app/fatal_error.h"
#include "tests/app/startup_fixture.h"

namespace tessaly::testing {
namespace {

using FatalReport = StartupTest;

template <typename Action>
void expectFatal(FakePlatform& fake, Action action, const std::string& text) {
  fake.messageBoxes.clear();
  fake.calls.clear();
  try {
    action();
    ADD_FAILURE() << "no fatal end for " << text;
  } catch (const ProcessExit& exit) {
    EXPECT_EQ(exit.code, -1) << text;
  }
  expectFatalReportBox(fake, text);
}

TEST_F(FatalReport, TextOfEachError) {
  expectFatal(
      fake, [] { fatalError(kStackErrorNumber, "调用DLL命令后发现堆栈错误"); },
      "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n");
  expectFatal(
      fake, [] { fatalMissingExport("jedata.dll", "Skin_AttachEx"); },
      "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“jedata.dll”中的输出命令“Skin_"
      "AttachEx”\r\n");
  expectFatal(
      fake, [] { fatalStartWindow(); }, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  expectFatal(
      fake, [] { fatalOutOfMemory(1234); },
      "运行时出错!\r\n\r\n错误信息：分配 1234 字节内存失败!\r\n");
}

TEST_F(FatalReport, TheLibrariesAreReleasedAfterTheBox) {
  callSkinAttachEx("skin", "");
  expectFatal(
      fake, [] { fatalStartWindow(); }, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  const std::vector<std::string> tail(fake.calls.end() - 3, fake.calls.end());
  EXPECT_EQ(tail[0].rfind("messageBox ", 0), 0u);
  EXPECT_EQ(tail[1], "freeLibrary");
  EXPECT_EQ(tail[2], "exitProcess -1");
}

TEST(FatalReportText, IsCutToTheBufferAndEnded) {
  char small[12];
  const std::size_t length = formatFatalReport(small, 6, "message");
  EXPECT_EQ(length, sizeof small - 1);
  EXPECT_EQ(small[sizeof small - 1], '\0');
}

// The program's operator new reports the size asked for.
TEST_F(FatalReport, FailedAllocationsReportTheirSize) {
  const std::size_t huge = SIZE_MAX / 4;
  const std::string text =
      "运行时出错!\r\n\r\n错误信息：分配 " + std::to_string(huge) + " 字节内存失败!\r\n";
  expectFatal(
      fake, [&] { ::operator delete(::operator new(huge)); }, text);
  expectFatal(
      fake, [&] { ::operator delete[](::operator new[](huge)); }, text);
  expectFatal(
      fake,
      [&] {
        ::operator delete (::operator new (huge, std::align_val_t{64}), std::align_val_t{64});
      },
      text);
  // Inside the standard library too: a string asks for one byte more, its end.
  expectFatal(
      fake,
      [&] {
        std::string s;
        s.reserve(huge);
      },
      "运行时出错!\r\n\r\n错误信息：分配 " + std::to_string(huge + 1) + " 字节内存失败!\r\n");
}

}  // namespace
}  // namespace tessaly::testing
