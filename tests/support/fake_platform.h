// A platform double for tests: every call is recorded in `calls`, and each
// operation answers as the test sets it. Unless a test says otherwise, files,
// folders, libraries and the clipboard go to the real platform, while message
// boxes, the shell, WinExec and the colour dialog only record and answer (no
// real box, browser or dialog appears), and exitProcess throws ProcessExit.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tessaly::testing {

struct ProcessExit {
  int code;
};

struct MessageBoxCall {
  HWND owner;
  std::string text, caption;
  UINT flags;
};

class FakePlatform : public Platform {
 public:
  std::vector<std::string> calls;  // "name arg ..." per call, in order

  // Shell and registry.
  std::intptr_t shellExecuteResult = 42;
  std::map<std::string, std::string> classesRoot;  // subkey -> default value
  unsigned winExecResult = 33;
  HWND foundWindow = nullptr;

  // Message boxes.
  std::vector<MessageBoxCall> messageBoxes;
  int messageBoxAnswer = IDOK;
  std::function<int(const MessageBoxCall&)> onMessageBox;  // overrides messageBoxAnswer

  // Clipboard: the real one, unless told to fail.
  bool openClipboardFails = false;
  bool globalAllocFails = false;
  bool setClipboardDataFails = false;
  int globalFrees = 0;

  // Colour dialog.
  std::optional<ColourRef> colourDialogAnswer;  // none: Cancel
  std::vector<ColourRef> colourDialogStarts;

  // Files and folders: real, with the fixed places pointed where a test says.
  std::optional<std::string> engineInstallPathValue;
  std::optional<std::optional<std::string>> temporaryFolderValue;
  std::optional<std::string> programFolderValue;
  bool writeFileFails = false;

  // Libraries: real unless overridden.
  std::function<HMODULE(const char*)> onLoadLibrary;
  std::function<FARPROC(HMODULE, const char*)> onProcAddress;

  std::intptr_t shellExecute(HWND owner, const char* verb, const char* file, int show) override;
  std::optional<std::string> classesRootDefaultValue(const char* subKey) override;
  unsigned winExec(const char* commandLine, int show) override;
  HWND findTopLevelWindow(const char* title) override;
  int messageBox(HWND owner, const char* text, const char* caption, UINT flags) override;
  bool openClipboard(HWND owner) override;
  bool emptyClipboard() override;
  HGLOBAL globalAlloc(UINT flags, std::size_t bytes) override;
  void globalFree(HGLOBAL memory) override;
  bool setClipboardData(UINT format, HGLOBAL memory) override;
  bool closeClipboard() override;
  std::optional<ColourRef> chooseColour(HWND owner, ColourRef initial) override;
  bool pathExists(const char* path) override;
  bool writeFile(const char* path, std::string_view bytes) override;
  std::optional<std::string> temporaryFolder() override;
  std::string engineInstallPath() override;
  std::string programFolder() override;
  HMODULE loadLibrary(const char* path) override;
  FARPROC procAddress(HMODULE library, const char* name) override;
  void freeLibrary(HMODULE library) override;
  [[noreturn]] void exitProcess(int code) override;

  // How many recorded calls start with `prefix`.
  int count(std::string_view prefix) const;
};

// A FakePlatform put in place for the scope of a test.
class ScopedFakePlatform : public FakePlatform {
 public:
  ScopedFakePlatform() : override_(*this) {}

 private:
  PlatformOverride override_;
};

}  // namespace tessaly::testing
