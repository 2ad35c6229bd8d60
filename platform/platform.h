// The one seam between the program and the platform services it calls:
// shell, registry, message boxes, clipboard, colour dialog, files, the
// temporary folder, library loading and the end of the process. The program
// reaches them only through platform(); tests put a double in its place
// (tests/support/fake_platform.h) to watch the calls and steer the answers.
//
// Window management, controls and the message queue are not behind the seam:
// tests drive the real windows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "generator/colour.h"

namespace tessaly {

class Platform {
 public:
  virtual ~Platform() = default;

  // --- Shell and registry -------------------------------------------------
  // ShellExecuteA with no parameters and no directory; its result as a number
  // (above 32 means success).
  virtual std::intptr_t shellExecute(HWND owner, const char* verb, const char* file, int show) = 0;
  // The default value of HKEY_CLASSES_ROOT\subKey (RegOpenKeyExA with
  // KEY_QUERY_VALUE, RegQueryValueA into 260 bytes); none where the key can't
  // be opened or its value read.
  virtual std::optional<std::string> classesRootDefaultValue(const char* subKey) = 0;
  // WinExec; above 32 means success.
  virtual unsigned winExec(const char* commandLine, int show) = 0;
  // The top-level window whose title is exactly `title`, or null.
  virtual HWND findTopLevelWindow(const char* title) = 0;

  // --- Message boxes ------------------------------------------------------
  // MessageBoxA as it stands; the program's own rules are in ui/message_box.h.
  virtual int messageBox(HWND owner, const char* text, const char* caption, UINT flags) = 0;

  // --- Clipboard ----------------------------------------------------------
  virtual bool openClipboard(HWND owner) = 0;
  virtual bool emptyClipboard() = 0;
  virtual HGLOBAL globalAlloc(UINT flags, std::size_t bytes) = 0;
  virtual void globalFree(HGLOBAL memory) = 0;
  // True where the clipboard took the memory (and owns it from then on).
  virtual bool setClipboardData(UINT format, HGLOBAL memory) = 0;
  virtual bool closeClipboard() = 0;

  // --- Colour dialog ------------------------------------------------------
  // ChooseColorA starting from `initial`; the chosen colour after OK, none
  // after Cancel.
  virtual std::optional<ColourRef> chooseColour(HWND owner, ColourRef initial) = 0;

  // --- Files and folders --------------------------------------------------
  // FindFirstFileA: true as soon as anything, file or directory, matches.
  virtual bool pathExists(const char* path) = 0;
  // CreateFileA (GENERIC_WRITE, no sharing, CREATE_ALWAYS), one WriteFile,
  // CloseHandle. False where any step failed; what was written stays.
  virtual bool writeFile(const char* path, std::string_view bytes) = 0;
  // GetTempPathA with 260 bytes; none where it fails or doesn't fit.
  virtual std::optional<std::string> temporaryFolder() = 0;
  // Where the skin engine library is installed: "C:\WINDOWS\system32\jedata.dll".
  virtual std::string engineInstallPath() = 0;
  // The folder that holds the program file, with a trailing backslash.
  virtual std::string programFolder() = 0;

  // --- Library loading ----------------------------------------------------
  virtual HMODULE loadLibrary(const char* path) = 0;
  virtual FARPROC procAddress(HMODULE library, const char* name) = 0;
  virtual void freeLibrary(HMODULE library) = 0;

  // --- Process ------------------------------------------------------------
  // Ends the process at once. A test double throws instead.
  [[noreturn]] virtual void exitProcess(int code) = 0;
};

// The platform in use: the real one unless a test has put another in place.
Platform& platform();

// Puts `replacement` in place of the platform for this object's lifetime.
class PlatformOverride {
 public:
  explicit PlatformOverride(Platform& replacement);
  ~PlatformOverride();
  PlatformOverride(const PlatformOverride&) = delete;
  PlatformOverride& operator=(const PlatformOverride&) = delete;

 private:
  Platform* previous_;
};

// The real Win32 implementation.
Platform& win32Platform();

}  // namespace tessaly
