#include "tests/ui/ui_test_support.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "ui/win32_handles.h"
#include "ui/window_class.h"

namespace tessaly::testing {
namespace {

constexpr char kHostClass[] = "TessalyTestHost";
constexpr char kContainerClass[] = "TessalyTestContainer";

TestHost* hostOf(HWND window) {
  return reinterpret_cast<TestHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TestHost* host = hostOf(window);
  if (host && message == WM_COMMAND) {
    host->bindings.dispatch(wParam);
    return 0;
  }
  if (host && message == WM_CLOSE) {
    ++host->closeRequests;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK containerProcedure(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (forwardToParent(container, message, wParam, lParam, result)) {
    if (message == WM_COMMAND)
      if (TestHost* host = hostOf(GetParent(container))) ++host->forwardedCommands;
    return result;
  }
  return DefWindowProcA(container, message, wParam, lParam);
}

std::deque<std::function<bool()>> scriptSteps;

void CALLBACK runScriptStep(HWND, UINT, UINT_PTR, DWORD) {
  if (!scriptSteps.empty() && scriptSteps.front()()) scriptSteps.pop_front();
}

void send(INPUT input) {
  if (SendInput(1, &input, sizeof input) != 1) throw std::runtime_error("SendInput failed");
}

}  // namespace

HWND createHostWindow() {
  const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (!ensureWindowClass({kHostClass, hostProcedure, IDC_ARROW, 0, face}) ||
      !ensureWindowClass({kContainerClass, containerProcedure, IDC_ARROW, 0, face}))
    throw std::runtime_error("can't register the test windows");
  const HWND window =
      CreateWindowExA(0, kHostClass, "controls test", WS_POPUP | WS_VISIBLE, 0, 0, 420, 300,
                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!window) throw std::runtime_error("can't create the host window");
  return window;
}

TestHost::TestHost(bool ownWindow) : ownWindow_(ownWindow) {
  static const HWND shared = createHostWindow();
  window_ = ownWindow ? createHostWindow() : shared;
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  container_ = CreateWindowExA(WS_EX_CONTROLPARENT, kContainerClass, "", WS_CHILD | WS_VISIBLE,
                               kContainerOrigin.x, kContainerOrigin.y, 390, 270, window_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  if (!container_) throw std::runtime_error("can't create the container");
  activate();
  UpdateWindow(window_);
}

TestHost::~TestHost() {
  if (GetCapture()) ReleaseCapture();
  if (IsWindow(window_)) SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  if (IsWindow(container_)) DestroyWindow(container_);
  if (ownWindow_ && IsWindow(window_)) DestroyWindow(window_);
  pumpFor(20);
}

bool TestHost::activate() const {
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  pumpFor(20);
  return GetForegroundWindow() == window_ && GetActiveWindow() == window_;
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && msg.hwnd) {
        SendMessageA(GetAncestor(msg.hwnd, GA_ROOT), WM_CLOSE, 0, 0);
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      if (done()) return true;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void pumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  pumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

void moveMouse(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = MulDiv(screen.x, 65535, width - 1);
  input.mi.dy = MulDiv(screen.y, 65535, height - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  send(input);
}

void leftButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  send(input);
}

void click(POINT screen) {
  moveMouse(screen);
  leftButton(true);
  leftButton(false);
}

void pressKey(WORD virtualKey) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  send(input);
  input.ki.dwFlags = KEYEVENTF_KEYUP;
  send(input);
}

POINT screenCentre(HWND window, const RECT& box) {
  POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  ClientToScreen(window, &centre);
  return centre;
}

POINT screenCentre(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return screenCentre(window, client);
}

ModalScript::ModalScript() : timer_(SetTimer(nullptr, 0, 15, runScriptStep)) {
  scriptSteps.clear();
}

ModalScript::~ModalScript() {
  KillTimer(nullptr, timer_);
  scriptSteps.clear();
}

ModalScript& ModalScript::then(std::function<bool()> step) {
  scriptSteps.push_back(std::move(step));
  return *this;
}

bool ModalScript::finished() const {
  return scriptSteps.empty();
}

HWND threadDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        char name[16];
        if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) &&
            lstrcmpA(name, "#32770") == 0) {
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

int Pixels::count(COLORREF colour) const {
  return count(colour, {0, 0, width, height});
}

int Pixels::count(COLORREF colour, const RECT& area) const {
  return countWhere([colour](COLORREF pixel) { return pixel == colour; }, area);
}

int Pixels::countWhere(const std::function<bool(COLORREF)>& test, const RECT& area) const {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += test(at(x, y)) ? 1 : 0;
  return n;
}

int Pixels::countWhere(const std::function<bool(COLORREF)>& test) const {
  return countWhere(test, {0, 0, width, height});
}

bool leansTowards(COLORREF pixel, COLORREF pure) {
  const int channels[3] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
  const int pureChannels[3] = {GetRValue(pure), GetGValue(pure), GetBValue(pure)};
  for (int c = 0; c < 3; ++c) {
    if (pureChannels[c] == 0) continue;
    const int others = std::max(channels[(c + 1) % 3], channels[(c + 2) % 3]);
    return channels[c] - others > 40;
  }
  return false;
}

Pixels paintedPixels(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  Pixels pixels;
  pixels.width = client.right;
  pixels.height = client.bottom;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc || !bitmap || !bits) throw std::runtime_error("can't make a bitmap to paint into");
  {
    const SelectedObject selected(dc.get(), bitmap.get());
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    GdiFlush();
  }
  const auto* raw = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < pixels.width * pixels.height; ++i) {
    const std::uint32_t p = raw[i];  // 0x00RRGGBB
    pixels.colours.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
  return pixels;
}

}  // namespace tessaly::testing
