// The real tessaly.exe, started and answered from outside, in a Wine prefix
// of its own (end_to_end.sh makes it fresh). TESSALY_BUILD names the build
// folder as a Windows path. The cases run in order; each leaves the prefix as
// the next one expects.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr char kInstallPath[] = "C:\\windows\\system32\\jedata.dll";
constexpr char kProgramFolder[] = "C:\\tessaly\\";
constexpr char kPrompt[] = "是 否 支 持 作 者 网 址？\r\n按 “ 否 ”拒绝支持 ！";
constexpr char kMissingEngineReport[] =
    "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“jedata.dll”中的输出命令“Skin_AttachEx”\r\n";
constexpr DWORD kWaitMs = 30000;

std::string build() {
  const char* folder = std::getenv("TESSALY_BUILD");
  return folder ? folder : "";
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string skinPath() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "{df6546sd4fwer}.she";
}

bool isDirectory(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string windowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

struct Search {
  DWORD process;
  const char* className;
  bool visibleOnly;
  HWND found = nullptr;
};

HWND findWindowOf(DWORD process, const char* className, bool visibleOnly) {
  Search search{process, className, visibleOnly};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (owner == s.process && std::string(name) == s.className &&
            (!s.visibleOnly || IsWindowVisible(window))) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// One start of the program, ended by force if a case fails half-way.
class Program {
 public:
  Program() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = std::string("\"") + kProgramFolder + "tessaly.exe\"";
    started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              kProgramFolder, &startup, &info_);
  }
  ~Program() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool started() const { return started_; }

  bool running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

  // The program's message box once its text is in (it is set after the box appears).
  HWND waitForBox() const {
    for (DWORD waited = 0; waited < kWaitMs && running(); waited += 50, Sleep(50))
      if (const HWND box = findWindowOf(info_.dwProcessId, "#32770", true))
        if (!windowText(GetDlgItem(box, 0xFFFF)).empty()) return box;
    return nullptr;
  }

  HWND waitForShownMainWindow() const {
    for (DWORD waited = 0; waited < kWaitMs && running(); waited += 50, Sleep(50))
      if (const HWND window = findWindowOf(info_.dwProcessId, "TessalyMainWindow", true))
        return window;
    return nullptr;
  }

  bool mainWindowShown() const {
    return findWindowOf(info_.dwProcessId, "TessalyMainWindow", true) != nullptr;
  }

  // The exit code, or 99 where the program didn't end in time.
  DWORD exitCode() const {
    if (WaitForSingleObject(info_.hProcess, kWaitMs) != WAIT_OBJECT_0) return 99;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

void answer(HWND box, int button) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

class EndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_FALSE(build().empty()) << "TESSALY_BUILD is not set";
    CreateDirectoryA(kProgramFolder, nullptr);
    ASSERT_TRUE(CopyFileA((build() + "\\bin\\tessaly.exe").c_str(),
                          (std::string(kProgramFolder) + "tessaly.exe").c_str(), FALSE));
  }
  static std::string engine() { return readFile(build() + "\\bin\\jedata.dll"); }
  static std::string skin13() { return readFile(build() + "\\skins\\skin-13.she"); }
};

TEST_F(EndToEnd, FirstStartInstallsTheLibraryAndTheSkinAndNoEndsWithZero) {
  ASSERT_FALSE(GetFileAttributesA(kInstallPath) != INVALID_FILE_ATTRIBUTES)
      << "the prefix isn't fresh";
  DeleteFileA(skinPath().c_str());
  Program program;
  ASSERT_TRUE(program.started());
  const HWND box = program.waitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(windowText(box), "信息：");
  EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)), kPrompt);
  EXPECT_EQ(readFile(kInstallPath), engine());
  EXPECT_EQ(readFile(skinPath()), skin13());
  EXPECT_FALSE(program.mainWindowShown());
  answer(box, IDNO);
  EXPECT_EQ(program.exitCode(), 0u);
  EXPECT_FALSE(program.mainWindowShown());
  EXPECT_EQ(readFile(kInstallPath), engine());  // both files stay
  EXPECT_EQ(readFile(skinPath()), skin13());
}

TEST_F(EndToEnd, SecondStartLeavesTheLibraryAndClosingTheWindowExitsZero) {
  const std::string marked = engine() + "left alone";  // still a loadable library
  writeFile(kInstallPath, marked);
  writeFile(skinPath(), "an old skin");
  Program program;
  const HWND box = program.waitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(readFile(kInstallPath), marked);
  EXPECT_EQ(readFile(skinPath()), skin13());
  answer(box, IDYES);
  const HWND window = program.waitForShownMainWindow();
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.exitCode(), 0u);
  EXPECT_EQ(readFile(kInstallPath), marked);
}

TEST_F(EndToEnd, ADirectoryAtTheInstallPathIsLeftAloneAndTheProgramFolderCopyServes) {
  ASSERT_TRUE(DeleteFileA(kInstallPath));
  ASSERT_TRUE(CreateDirectoryA(kInstallPath, nullptr));
  writeFile(std::string(kProgramFolder) + "jedata.dll", engine());
  Program program;
  const HWND box = program.waitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)), kPrompt);
  answer(box, IDNO);
  EXPECT_EQ(program.exitCode(), 0u);
  EXPECT_TRUE(isDirectory(kInstallPath));
}

TEST_F(EndToEnd, NoLibraryAnywhereGivesTheFatalReportAndMinusOne) {
  ASSERT_TRUE(isDirectory(kInstallPath));  // nothing can be installed
  ASSERT_TRUE(DeleteFileA((std::string(kProgramFolder) + "jedata.dll").c_str()));
  Program program;
  const HWND box = program.waitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(windowText(box), "错误");
  EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)), kMissingEngineReport);
  EXPECT_FALSE(program.mainWindowShown());
  answer(box, IDOK);
  EXPECT_EQ(program.exitCode(), static_cast<DWORD>(-1));
  RemoveDirectoryA(kInstallPath);
}

}  // namespace
