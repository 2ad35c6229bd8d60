// Skin_AttachEx on real windows: a bad file changes nothing; a good one
// themes the controls, keeps the program's text colours and the rich-text
// contents, adds no windows, and reaches windows created afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <fstream>
#include <string>
#include <vector>

#include "skin/format/skin_format.h"
#include "tests/skin/test_skins.h"

namespace tessaly::skin {
namespace {

using AttachFunction = int(__stdcall*)(const char*, const char*);

constexpr COLORREF kRed = RGB(255, 0, 0);

// A label as the program draws it: its text in its own colour on the system face.
LRESULT CALLBACK labelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(window, &paint);
  RECT area{};
  GetClientRect(window, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(window, GWLP_USERDATA)));
  // A solid block of "text" colour, so that no font smoothing blurs it.
  RECT ink{2, 2, 12, area.bottom - 2};
  const HBRUSH brush = CreateSolidBrush(GetTextColor(dc));
  FillRect(dc, &ink, brush);
  DeleteObject(brush);
  EndPaint(window, &paint);
  return 0;
}

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

void registerOnce(const char* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass)) return;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  ASSERT_TRUE(RegisterClassA(&windowClass));
}

struct WindowInfo {
  HWND window, parent;
  std::string className;
  RECT place;
  LONG style, exStyle;
  bool operator==(const WindowInfo& o) const {
    return window == o.window && parent == o.parent && className == o.className &&
           EqualRect(&place, &o.place) && style == o.style && exStyle == o.exStyle;
  }
};

class SkinAttach : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_ = LoadLibraryA("jedata.dll");
    ASSERT_NE(engine_, nullptr);
    attach_ = reinterpret_cast<AttachFunction>(
        reinterpret_cast<void*>(GetProcAddress(engine_, "Skin_AttachEx")));
    ASSERT_NE(attach_, nullptr);
    LoadLibraryA("riched20.dll");
    registerOnce("SkinTestFrame", DefWindowProcA, GetSysColorBrush(COLOR_BTNFACE));
    registerOnce("SkinTestLabel", labelProc, nullptr);
    registerOnce("SkinTestBox", boxProc, nullptr);

    frame_ =
        CreateWindowExA(0, "SkinTestFrame", "skin test", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                        0, 0, 420, 300, nullptr, nullptr, nullptr, nullptr);
    edit_ = child("RichEdit20A", "rich text", ES_MULTILINE, frame_, 8, 8, 200, 60);
    group_ = child("BUTTON", "", BS_GROUPBOX, frame_, 8, 80, 392, 150);
    box_ = child("SkinTestBox", "", 0, group_, 8, 24, 109, 51);
    label_ = child("SkinTestLabel", "", 0, box_, 1, 1, 62, 26);
    SetWindowLongPtrA(label_, GWLP_USERDATA, 0);  // black
    redLabel_ = child("SkinTestLabel", "", 0, group_, 250, 90, 100, 26);
    SetWindowLongPtrA(redLabel_, GWLP_USERDATA, kRed);
    button_ = child("BUTTON", "go", BS_PUSHBUTTON | WS_TABSTOP, group_, 136, 24, 64, 23);
    check_ = child("BUTTON", "", BS_AUTOCHECKBOX | WS_TABSTOP, group_, 208, 29, 48, 24);
    SendMessageA(check_, BM_SETCHECK, BST_CHECKED, 0);
    ShowWindow(frame_, SW_SHOW);
    settle();
  }

  void TearDown() override {
    if (frame_) DestroyWindow(frame_);
    for (const std::string& file : files_) DeleteFileA(file.c_str());
  }

  HWND child(const char* className, const char* text, DWORD style, HWND parent, int x, int y, int w,
             int h) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           nullptr, nullptr, nullptr);
  }

  void settle() {
    RedrawWindow(frame_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG message;
    for (int i = 0; i < 20; ++i) {
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      Sleep(5);
    }
  }

  static COLORREF pixel(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
  }

  static bool hasPixel(HWND window, COLORREF colour) {
    RECT area{};
    GetClientRect(window, &area);
    const HDC dc = GetDC(window);
    bool found = false;
    for (int y = 0; y < area.bottom && !found; ++y)
      for (int x = 0; x < area.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
    ReleaseDC(window, dc);
    return found;
  }

  std::vector<WindowInfo> tree() const {
    std::vector<WindowInfo> all;
    EnumChildWindows(
        frame_,
        [](HWND window, LPARAM list) {
          char name[64] = {};
          GetClassNameA(window, name, sizeof name);
          RECT place{};
          GetWindowRect(window, &place);
          reinterpret_cast<std::vector<WindowInfo>*>(list)->push_back(
              {window, GetParent(window), name, place, GetWindowLongA(window, GWL_STYLE),
               GetWindowLongA(window, GWL_EXSTYLE)});
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
  }

  // A snapshot of what the controls show, for "nothing changed".
  std::vector<COLORREF> looks() const {
    return {pixel(button_, 4, 11), pixel(frame_, 300, 40),  pixel(box_, 100, 3),
            pixel(label_, 40, 10), pixel(group_, 380, 140), pixel(check_, 2, 12)};
  }

  std::string writeFile(const std::string& name, const std::string& bytes) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    std::ofstream(path, std::ios::binary) << bytes;
    files_.push_back(path);
    return path;
  }

  HMODULE engine_ = nullptr;
  AttachFunction attach_ = nullptr;
  HWND frame_ = nullptr, edit_ = nullptr, group_ = nullptr, box_ = nullptr, label_ = nullptr,
       redLabel_ = nullptr, button_ = nullptr, check_ = nullptr;
  std::vector<std::string> files_;
};

TEST_F(SkinAttach, BadFilesFailAndChangeNothing) {
  const std::vector<COLORREF> before = looks();
  const std::vector<WindowInfo> treeBefore = tree();
  const std::string good = encodeSkin(testing::flatSkin());
  std::string corrupt = good;
  corrupt[20] ^= 0x55;
  const std::string paths[] = {"",
                               "C:\\no\\such\\folder\\skin.she",
                               writeFile("skin-empty.she", ""),
                               writeFile("skin-short.she", good.substr(0, 10)),
                               writeFile("skin-truncated.she", good.substr(0, good.size() - 3)),
                               writeFile("skin-corrupt.she", corrupt),
                               writeFile("skin-huge.she", good + std::string(1 << 20, '\x01')),
                               writeFile("skin-other.she", "MZ" + std::string(200, '\0'))};
  for (const std::string& path : paths) EXPECT_EQ(attach_(path.c_str(), ""), 0) << path;
  EXPECT_EQ(attach_(nullptr, nullptr), 0);
  settle();
  EXPECT_EQ(looks(), before);
  EXPECT_EQ(tree(), treeBefore);
}

TEST_F(SkinAttach, GoodSkinThemesControlsAndKeepsTextsAndTree) {
  const Skin skin = testing::flatSkin();
  const std::vector<WindowInfo> treeBefore = tree();
  SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("rich text stays"));
  EXPECT_EQ(attach_(writeFile("skin-good.she", encodeSkin(skin)).c_str(), ""), 1);
  settle();

  EXPECT_EQ(tree(), treeBefore);
  EXPECT_EQ(pixel(frame_, 300, 40), skin.windowFace) << "window face";
  EXPECT_EQ(pixel(button_, 4, 11), skin.buttonFace) << "push button face";
  EXPECT_EQ(pixel(button_, 32, 0), skin.buttonBorder) << "push button border";
  EXPECT_EQ(pixel(box_, 100, 3), skin.containerFace) << "container face";
  EXPECT_EQ(pixel(box_, 0, 25), skin.containerFrame) << "container frame";
  EXPECT_EQ(pixel(group_, 380, 140), skin.windowFace) << "group box face";
  EXPECT_TRUE(hasPixel(group_, skin.groupFrame)) << "group box frame";
  EXPECT_TRUE(hasPixel(check_, skin.checkBoxTick)) << "check box tick";
  EXPECT_TRUE(hasPixel(check_, skin.checkBoxFace)) << "check box face";

  // The labels keep their own text colours; their background follows the skin.
  EXPECT_EQ(pixel(label_, 6, 12), RGB(0, 0, 0));
  EXPECT_EQ(pixel(label_, 40, 12), skin.containerFace);
  EXPECT_EQ(pixel(redLabel_, 6, 12), kRed);
  EXPECT_EQ(pixel(redLabel_, 40, 12), skin.windowFace);

  // The rich-text box: its text and its own white background.
  char text[64] = {};
  GetWindowTextA(edit_, text, sizeof text);
  EXPECT_STREQ(text, "rich text stays");
  EXPECT_EQ(pixel(edit_, 190, 50), GetSysColor(COLOR_WINDOW));
}

TEST_F(SkinAttach, WindowsCreatedLaterAreThemedToo) {
  const Skin skin = testing::flatSkin();
  ASSERT_EQ(attach_(writeFile("skin-later.she", encodeSkin(skin)).c_str(), ""), 1);
  const HWND later = child("BUTTON", "later", BS_PUSHBUTTON, group_, 136, 56, 64, 23);
  settle();
  EXPECT_EQ(pixel(later, 4, 11), skin.buttonFace);
  DestroyWindow(later);
}

TEST_F(SkinAttach, PressedButtonShowsThePressedFace) {
  const Skin skin = testing::flatSkin();
  ASSERT_EQ(attach_(writeFile("skin-press.she", encodeSkin(skin)).c_str(), ""), 1);
  settle();
  SendMessageA(button_, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(pixel(button_, 4, 11), skin.buttonPressed);
  SendMessageA(button_, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(pixel(button_, 4, 11), skin.buttonFace);
}

TEST_F(SkinAttach, ASecondSkinReplacesTheFirst) {
  Skin first = testing::flatSkin();
  Skin second = first;
  second.buttonFace = second.buttonFaceBottom = RGB(10, 200, 30);
  ASSERT_EQ(attach_(writeFile("skin-one.she", encodeSkin(first)).c_str(), ""), 1);
  ASSERT_EQ(attach_(writeFile("skin-two.she", encodeSkin(second)).c_str(), ""), 1);
  settle();
  EXPECT_EQ(pixel(button_, 4, 11), second.buttonFace);
}

}  // namespace
}  // namespace tessaly::skin
