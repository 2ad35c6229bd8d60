// tessaly-skin-preview SKIN.she [LEFT TOP]
//
// Shows a sample window like the program's command area (a group box with
// two push buttons, a check box, a framed container with two labels and two
// swatches, a red hint and two link labels), then attaches the given skin
// through jedata.dll, loaded from the preview's own folder. Without a skin
// path, or with "-", the window keeps the system's look, for comparison.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

constexpr char kLabelClass[] = "TessalyPreviewLabel";
constexpr char kSwatchClass[] = "TessalyPreviewSwatch";
constexpr char kBoxClass[] = "TessalyPreviewBox";

// A label the program draws itself: its text in its own colour (kept in
// GWLP_USERDATA) on the system face, or on nothing when it is see-through.
LRESULT CALLBACK labelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  RECT area{};
  GetClientRect(window, &area);
  const bool seeThrough = GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT;
  if (!seeThrough) FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(window, GWLP_USERDATA)));
  const HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextA(dc, text, -1, &area,
            seeThrough ? DT_CENTER | DT_WORDBREAK : DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, font);
  EndPaint(window, &paint);
  return 0;
}

// A colour swatch: a focusable window the program draws (left alone by skins).
LRESULT CALLBACK swatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  RECT area{};
  GetClientRect(window, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  InflateRect(&area, -4, -4);
  const HBRUSH colour =
      CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(window, GWLP_USERDATA)));
  FillRect(dc, &area, colour);
  DeleteObject(colour);
  FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EndPaint(window, &paint);
  return 0;
}

// A container: the system face and a black outline.
LRESULT CALLBACK boxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  RECT area{};
  GetClientRect(window, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EndPaint(window, &paint);
  return 0;
}

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) DestroyWindow(window);
  return DefWindowProcA(window, message, wParam, lParam);
}

void registerClass(HINSTANCE instance, const char* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

HWND child(const char* className, const char* text, DWORD style, DWORD exStyle, HWND parent, int x,
           int y, int w, int h, COLORREF colour = 0) {
  const HWND window = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                      w, h, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return window;
}

using AttachFunction = int(__stdcall*)(const char*, const char*);

int attachSkin(const char* skinPath) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  path = path.substr(0, path.find_last_of("\\/") + 1) + "jedata.dll";
  const HMODULE engine = LoadLibraryA(path.c_str());
  if (!engine) return -1;
  const auto attach = reinterpret_cast<AttachFunction>(
      reinterpret_cast<void*>(GetProcAddress(engine, "Skin_AttachEx")));
  return attach ? attach(skinPath, "") : -1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const char* skinPath = __argc > 1 ? __argv[1] : "-";
  const int left = __argc > 3 ? std::atoi(__argv[2]) : 0;
  const int top = __argc > 3 ? std::atoi(__argv[3]) : 0;
  registerClass(instance, "TessalyPreviewFrame", frameProc, GetSysColorBrush(COLOR_BTNFACE));
  registerClass(instance, kLabelClass, labelProc, nullptr);
  registerClass(instance, kSwatchClass, swatchProc, nullptr);
  registerClass(instance, kBoxClass, boxProc, nullptr);

  const std::string title = std::string(" Tessaly skin preview: ") + skinPath;
  const HWND frame = CreateWindowExA(0, "TessalyPreviewFrame", title.c_str(),
                                     WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_DLGFRAME, left,
                                     top, 412, 200, nullptr, nullptr, instance, nullptr);
  const HWND group = child("BUTTON", "", BS_GROUPBOX, 0, frame, 8, 8, 392, 124);
  const HWND box = child(kBoxClass, "", 0, 0, group, 8, 24, 109, 51);
  child(kLabelClass, "起始颜色：", 0, 0, box, 1, 1, 62, 26);
  child(kLabelClass, "末尾颜色：", 0, 0, box, 1, 24, 62, 26);
  child(kSwatchClass, "", WS_TABSTOP, 0, box, 64, 1, 44, 26, RGB(0, 0, 0));
  child(kSwatchClass, "", WS_TABSTOP, 0, box, 64, 24, 44, 26, RGB(255, 255, 255));
  child("BUTTON", "生成字体", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, group, 136, 24, 64, 23);
  child("BUTTON", "复制代码", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, group, 136, 56, 64, 23);
  const HWND check =
      child("BUTTON", "预览", BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP, 0,
            group, 208, 29, 48, 24);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  child(kLabelClass, "生成字体以后点击复制然后贴在论坛即可方便实用", 0, WS_EX_TRANSPARENT, group,
        256, 24, 128, 40, RGB(255, 0, 0));
  child(kLabelClass, "官方网站：www.tessaly.example", 0, 0, group, 24, 92, 168, 16, RGB(0, 0, 255));
  child(kLabelClass, "友情合作：www.partner.example", 0, 0, group, 216, 92, 168, 16,
        RGB(0, 128, 0));
  child("BUTTON", "关闭", BS_PUSHBUTTON | WS_TABSTOP, 0, frame, 332, 140, 68, 24);

  if (std::string(skinPath) != "-" && attachSkin(skinPath) != 1) return 2;
  ShowWindow(frame, SW_SHOW);
  UpdateWindow(frame);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(frame, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return 0;
}
