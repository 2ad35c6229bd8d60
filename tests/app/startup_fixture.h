// What the start-up tests share: the platform double pointed at a folder tree
// of the test's own, a stand-in for the engine's function, and reading files.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/external_function.h"
#include "tests/support/fake_platform.h"

namespace tessaly::testing {

// The engine's function as the tests see it: each call recorded.
struct EngineCall {
  std::string skinPath, password;
};
inline std::vector<EngineCall> engineCalls;
inline int WINAPI fakeSkinAttachEx(const char* skinPath, const char* password) {
  engineCalls.push_back({skinPath ? skinPath : "(null)", password ? password : "(null)"});
  return 1;
}
inline const HMODULE kFakeEngine = reinterpret_cast<HMODULE>(0x5E1E0000);

// A platform double whose shell call also records the owner window.
class RecordingPlatform : public ScopedFakePlatform {
 public:
  std::vector<HWND> shellOwners;
  std::intptr_t shellExecute(HWND owner, const char* verb, const char* file, int show) override {
    shellOwners.push_back(owner);
    return ScopedFakePlatform::shellExecute(owner, verb, file, show);
  }
};

// The one box a fatal error shows (exact text, caption "错误", the error
// icon, no owner), and the end of the process right after it.
inline void expectFatalReportBox(const FakePlatform& fake, const std::string& text) {
  ASSERT_EQ(fake.messageBoxes.size(), 1u) << text;
  EXPECT_EQ(fake.messageBoxes[0].text, text);
  EXPECT_EQ(fake.messageBoxes[0].caption, "错误");
  EXPECT_EQ(fake.messageBoxes[0].flags, static_cast<UINT>(MB_ICONERROR | MB_OK));
  EXPECT_EQ(fake.messageBoxes[0].owner, nullptr);
  EXPECT_EQ(fake.calls.back(), "exitProcess -1");
}

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int serial = 0;
    root_ = std::filesystem::temp_directory_path() /
            ("tessaly-startup-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++serial));
    std::filesystem::create_directories(root_ / "system32");
    std::filesystem::create_directories(root_ / "temp");
    fake.engineInstallPathValue = installPath();
    fake.temporaryFolderValue = std::optional<std::string>(folder("temp"));
    useFakeEngine();
    engineCalls.clear();
    releaseExternalLibraries();
  }

  void TearDown() override {
    releaseExternalLibraries();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // The engine's function found in a pretend jedata.dll, wherever that is
  // asked for; other libraries (the rich-edit one) are the real ones.
  void useFakeEngine() {
    fake.onLoadLibrary = [](const char* path) {
      const std::string_view name(path);
      return name.ends_with("jedata.dll") ? kFakeEngine : LoadLibraryA(path);
    };
    fake.onProcAddress = [](HMODULE library, const char* name) {
      return library == kFakeEngine
                 ? reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&fakeSkinAttachEx))
                 : GetProcAddress(library, name);
    };
  }

  std::string folder(const std::string& name) const { return (root_ / name).string() + "\\"; }
  std::string installPath() const { return folder("system32") + "jedata.dll"; }
  std::string skinPath() const { return folder("temp") + "{df6546sd4fwer}.she"; }

  static std::string readFile(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
      char buffer[4096];
      for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
      std::fclose(file);
    }
    return bytes;
  }
  static void writeFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }

  RecordingPlatform fake;
  std::filesystem::path root_;
};

}  // namespace tessaly::testing
