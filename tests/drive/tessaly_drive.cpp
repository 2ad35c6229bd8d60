// Drives a running tessaly.exe from another process, as a user would work it:
// each argument is one step, done in order.
//
//   answer-yes | answer-no   answer the support prompt
//   generate                 click 生成字体
//   copy                     click 复制代码 until "复制成功!" shows (the code box is
//                            filled once a generation ends), close the box, and
//                            print the clipboard's text

//   close                    close the main window
//
// Exit code 0 when every step was done, 1 when one timed out.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr char kMainWindowClass[] = "TessalyMainWindow";
constexpr int kGenerateButton = 105;  // 按钮1
constexpr int kCopyButton = 103;      // 按钮2

template <class Find>
auto waitFor(Find find, int seconds = 30) -> decltype(find()) {
  for (int i = 0; i < seconds * 20; ++i) {
    if (auto found = find()) return found;
    Sleep(50);
  }
  return find();
}

HWND mainWindow() {
  return FindWindowA(kMainWindowClass, nullptr);
}

// A message box of the program: a "#32770" window with this caption.
HWND messageBox(const char* caption) {
  return FindWindowA("#32770", caption);
}

HWND descendant(HWND parent, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != s.id) return TRUE;
        s.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool answerPrompt(int button) {
  const HWND prompt = waitFor([] { return messageBox("信息："); });
  if (!prompt) return false;
  PostMessageA(prompt, WM_COMMAND, button, 0);
  if (button == IDNO) return true;
  return waitFor([] { return mainWindow() && IsWindowVisible(mainWindow()); });
}

bool generate() {
  const HWND window = waitFor(mainWindow);
  if (!window) return false;
  PostMessageA(descendant(window, kGenerateButton), BM_CLICK, 0, 0);
  return true;
}

std::string clipboardText() {
  std::string text;
  for (int i = 0; i < 40 && text.empty(); ++i) {
    if (OpenClipboard(nullptr)) {
      if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
        GlobalUnlock(data);
      }
      CloseClipboard();
    }
    if (text.empty()) Sleep(50);
  }
  return text;
}

bool copy() {
  const HWND window = waitFor(mainWindow);
  if (!window) return false;
  // Rich-edit text can't be read from another process, so the copy button
  // tells: it confirms only once the code box holds something.
  const HWND button = descendant(window, kCopyButton);
  HWND confirmation = nullptr;
  for (int attempt = 0; attempt < 240 && !confirmation; ++attempt) {
    PostMessageA(button, BM_CLICK, 0, 0);
    confirmation = waitFor([] { return messageBox("信息："); }, 1);
  }
  if (!confirmation) return false;
  PostMessageA(confirmation, WM_COMMAND, IDOK, 0);
  waitFor([] { return messageBox("信息：") == nullptr; });
  const std::string code = clipboardText();
  std::fwrite(code.data(), 1, code.size(), stdout);
  std::fflush(stdout);
  return !code.empty();
}

bool close() {
  const HWND window = mainWindow();
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  return waitFor([] { return mainWindow() == nullptr; });
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string step = argv[i];
    bool done = false;
    if (step == "answer-yes")
      done = answerPrompt(IDYES);
    else if (step == "answer-no")
      done = answerPrompt(IDNO);
    else if (step == "generate")
      done = generate();
    else if (step == "copy")
      done = copy();
    else if (step == "close")
      done = close();
    if (!done) {
      std::fprintf(stderr, "tessaly-drive: step '%s' did not complete\n", step.c_str());
      return 1;
    }
  }
  return 0;
}
