#include "tests/support/fake_platform.h"

namespace tessaly::testing {
namespace {

Platform& real() {
  return win32Platform();
}

std::string orNull(const char* text) {
  return text ? text : "(null)";
}

}  // namespace

std::intptr_t FakePlatform::shellExecute(HWND, const char* verb, const char* file, int show) {
  calls.push_back("shellExecute " + orNull(verb) + " " + orNull(file) + " " + std::to_string(show));
  return shellExecuteResult;
}

std::optional<std::string> FakePlatform::classesRootDefaultValue(const char* subKey) {
  calls.push_back("classesRoot " + orNull(subKey));
  const auto found = classesRoot.find(subKey);
  if (found == classesRoot.end()) return std::nullopt;
  return found->second;
}

unsigned FakePlatform::winExec(const char* commandLine, int show) {
  calls.push_back("winExec " + orNull(commandLine) + " " + std::to_string(show));
  return winExecResult;
}

HWND FakePlatform::findTopLevelWindow(const char* title) {
  calls.push_back("findTopLevelWindow " + orNull(title));
  return foundWindow;
}

int FakePlatform::messageBox(HWND owner, const char* text, const char* caption, UINT flags) {
  calls.push_back("messageBox " + orNull(text));
  messageBoxes.push_back({owner, orNull(text), orNull(caption), flags});
  return onMessageBox ? onMessageBox(messageBoxes.back()) : messageBoxAnswer;
}

bool FakePlatform::openClipboard(HWND owner) {
  calls.push_back("openClipboard");
  if (openClipboardFails) return false;
  // Wine's clipboard manager may hold the clipboard for a moment.
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (real().openClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

bool FakePlatform::emptyClipboard() {
  calls.push_back("emptyClipboard");
  return real().emptyClipboard();
}

HGLOBAL FakePlatform::globalAlloc(UINT flags, std::size_t bytes) {
  calls.push_back("globalAlloc " + std::to_string(bytes));
  return globalAllocFails ? nullptr : real().globalAlloc(flags, bytes);
}

void FakePlatform::globalFree(HGLOBAL memory) {
  calls.push_back("globalFree");
  ++globalFrees;
  real().globalFree(memory);
}

bool FakePlatform::setClipboardData(UINT format, HGLOBAL memory) {
  calls.push_back("setClipboardData " + std::to_string(format));
  return !setClipboardDataFails && real().setClipboardData(format, memory);
}

bool FakePlatform::closeClipboard() {
  calls.push_back("closeClipboard");
  return real().closeClipboard();
}

std::optional<ColourRef> FakePlatform::chooseColour(HWND, ColourRef initial) {
  calls.push_back("chooseColour " + std::to_string(initial));
  colourDialogStarts.push_back(initial);
  return colourDialogAnswer;
}

bool FakePlatform::pathExists(const char* path) {
  calls.push_back("pathExists " + orNull(path));
  return real().pathExists(path);
}

bool FakePlatform::writeFile(const char* path, std::string_view bytes) {
  calls.push_back("writeFile " + orNull(path) + " " + std::to_string(bytes.size()));
  return !writeFileFails && real().writeFile(path, bytes);
}

std::optional<std::string> FakePlatform::temporaryFolder() {
  calls.push_back("temporaryFolder");
  return temporaryFolderValue ? *temporaryFolderValue : real().temporaryFolder();
}

std::string FakePlatform::engineInstallPath() {
  return engineInstallPathValue ? *engineInstallPathValue : real().engineInstallPath();
}

std::string FakePlatform::programFolder() {
  return programFolderValue ? *programFolderValue : real().programFolder();
}

HMODULE FakePlatform::loadLibrary(const char* path) {
  calls.push_back("loadLibrary " + orNull(path));
  return onLoadLibrary ? onLoadLibrary(path) : real().loadLibrary(path);
}

FARPROC FakePlatform::procAddress(HMODULE library, const char* name) {
  calls.push_back("procAddress " + orNull(name));
  return onProcAddress ? onProcAddress(library, name) : real().procAddress(library, name);
}

void FakePlatform::freeLibrary(HMODULE library) {
  calls.push_back("freeLibrary");
  if (!onLoadLibrary) real().freeLibrary(library);
}

void FakePlatform::exitProcess(int code) {
  calls.push_back("exitProcess " + std::to_string(code));
  throw ProcessExit{code};
}

int FakePlatform::count(std::string_view prefix) const {
  int n = 0;
  for (const auto& call : calls) n += call.starts_with(prefix) ? 1 : 0;
  return n;
}

}  // namespace tessaly::testing
