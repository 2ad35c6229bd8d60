// The platform seam on the real Win32 functions.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <memory>
#include <type_traits>

#include "platform/platform.h"

namespace tessaly {
namespace {

struct RegistryKeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, RegistryKeyCloser>;

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

class Win32Platform final : public Platform {
 public:
  std::intptr_t shellExecute(HWND owner, const char* verb, const char* file, int show) override {
    return reinterpret_cast<std::intptr_t>(
        ShellExecuteA(owner, verb, file, nullptr, nullptr, show));
  }

  std::optional<std::string> classesRootDefaultValue(const char* subKey) override {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
      return std::nullopt;
    const RegistryKey key(opened);
    char value[260] = {};
    LONG size = sizeof value;
    if (RegQueryValueA(key.get(), nullptr, value, &size) != ERROR_SUCCESS) return std::nullopt;
    value[sizeof value - 1] = '\0';
    return std::string(value);
  }

  unsigned winExec(const char* commandLine, int show) override {
    return WinExec(commandLine, static_cast<UINT>(show));
  }

  HWND findTopLevelWindow(const char* title) override { return FindWindowA(nullptr, title); }

  int messageBox(HWND owner, const char* text, const char* caption, UINT flags) override {
    return MessageBoxA(owner, text, caption, flags);
  }

  bool openClipboard(HWND owner) override { return OpenClipboard(owner) != FALSE; }
  bool emptyClipboard() override { return EmptyClipboard() != FALSE; }
  HGLOBAL globalAlloc(UINT flags, std::size_t bytes) override { return GlobalAlloc(flags, bytes); }
  void globalFree(HGLOBAL memory) override { GlobalFree(memory); }
  bool setClipboardData(UINT format, HGLOBAL memory) override {
    return SetClipboardData(format, memory) != nullptr;
  }
  bool closeClipboard() override { return CloseClipboard() != FALSE; }

  std::optional<ColourRef> chooseColour(HWND owner, ColourRef initial) override {
    static COLORREF custom[16] = {};  // the dialog reads and keeps 16 custom colours
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = initial & 0x00FFFFFFu;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorA(&dialog)) return std::nullopt;
    return dialog.rgbResult & 0x00FFFFFFu;
  }

  bool pathExists(const char* path) override {
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA(path, &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
  }

  bool writeFile(const char* path, std::string_view bytes) override {
    const HANDLE created =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) return false;
    FileHandle file(created);
    DWORD written = 0;
    const bool ok =
        bytes.size() <= MAXDWORD &&
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    return CloseHandle(file.release()) && ok;
  }

  std::optional<std::string> temporaryFolder() override {
    char buffer[260];
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer) return std::nullopt;
    return std::string(buffer, length);
  }

  std::string engineInstallPath() override { return "C:\\WINDOWS\\system32\\jedata.dll"; }

  std::string programFolder() override {
    std::string path(MAX_PATH, '\0');
    for (;;) {
      const DWORD length =
          GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
      if (length == 0) return {};
      if (length < path.size()) {
        path.resize(length);
        break;
      }
      path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of("\\/") + 1);
  }

  HMODULE loadLibrary(const char* path) override { return LoadLibraryA(path); }
  FARPROC procAddress(HMODULE library, const char* name) override {
    return GetProcAddress(library, name);
  }
  void freeLibrary(HMODULE library) override { FreeLibrary(library); }

  [[noreturn]] void exitProcess(int code) override { ExitProcess(static_cast<UINT>(code)); }
};

}  // namespace

Platform& win32Platform() {
  static Win32Platform instance;
  return instance;
}

}  // namespace tessaly
