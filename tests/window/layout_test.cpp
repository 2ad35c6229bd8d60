// The live window read back against the layout the window must have.
#include <richedit.h>

#include <optional>
#include <vector>

#include "tests/window/main_window_fixture.h"
#include "ui/colour_picker.h"
#include "ui/hyperlink_label.h"

namespace tessaly::testing {
namespace {

std::string className(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string windowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The class names of the self-drawn controls, read from a scratch instance.
struct OwnClasses {
  std::string picker, link;
};
OwnClasses ownClasses(HWND parent) {
  const RECT place{0, 0, 10, 10};
  const HWND picker = createColourPicker(parent, 9001, place, {});
  const HWND link = createHyperlinkLabel(parent, 9002, place, "x", "http://127.0.0.1:9/");
  OwnClasses classes{className(picker), className(link)};
  DestroyWindow(picker);
  DestroyWindow(link);
  return classes;
}

struct Expected {
  Control name;
  std::optional<Control> parent;
  int left, top, width, height;
  std::string text;  // window text; for rich-text boxes none is checked here
  DWORD style;       // bits that must be set (WS_CHILD and WS_VISIBLE always)
  DWORD notStyle;    // bits that must be clear
  DWORD exStyle;
  bool tabStop;
};

constexpr DWORD kButtonTypeMask = 0x0F;

TEST_F(MainWindowTest, ControlsStandAsTheLayoutSays) {
  using enum Control;
  // The control itself sets WS_VSCROLL only while the text overflows.
  const DWORD richEdit = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  const std::vector<Expected> expected = {
      {超级链接框2, 分组框1, 216, 88, 168, 16, "友情合作：partner.example", 0, WS_BORDER, 0, false},
      {透明标签1, 分组框1, 256, 24, 128, 40, "生成字体以后点击复制然后贴在论坛即可方便实用", 0,
       WS_BORDER, WS_EX_TRANSPARENT, false},
      {超级链接框1, 分组框1, 24, 88, 136, 16, "官方网站：tly.example", 0, WS_BORDER, 0, false},
      {按钮2, 分组框1, 136, 56, 64, 23, "复制代码", BS_MULTILINE | BS_CENTER | BS_VCENTER,
       BS_DEFPUSHBUTTON | BS_BITMAP | BS_ICON, 0, true},
      {选择框_预览, 分组框1, 208, 29, 48, 24, "预览",
       BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, BS_PUSHLIKE | BS_FLAT | BS_LEFTTEXT,
       0, true},
      {按钮1, 分组框1, 136, 24, 64, 23, "生成字体", BS_MULTILINE | BS_CENTER | BS_VCENTER,
       BS_DEFPUSHBUTTON | BS_BITMAP | BS_ICON, 0, true},
      {外形框1, 分组框1, 8, 24, 109, 51, "", 0, WS_BORDER, 0, false},
      {标签2, 外形框1, 1, 24, 62, 26, "末尾颜色：", 0, WS_BORDER, 0, false},
      {标签1, 外形框1, 1, 1, 62, 26, "起始颜色：", 0, WS_BORDER, 0, false},
      {颜色选择器_末尾颜色, 外形框1, 64, 24, 44, 26, "", 0, 0, 0, true},
      {颜色选择器_起始颜色, 外形框1, 64, 1, 44, 26, "", 0, 0, 0, true},
      {分组框1, std::nullopt, 8, 232, 392, 112, "", BS_GROUPBOX, 0, 0, false},
      {超级编辑框1, std::nullopt, 7, 8, 392, 216, "", richEdit,
       ES_READONLY | WS_HSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL, WS_EX_CLIENTEDGE, true},
      {超级编辑框2, std::nullopt, 7, 8, 392, 216, "", richEdit | ES_READONLY,
       WS_HSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL, WS_EX_CLIENTEDGE, true},
  };
  const OwnClasses own = ownClasses(mainWindow());
  const auto expectedClass = [&](Control name) -> std::string {
    switch (name) {
      case 超级链接框1:
      case 超级链接框2:
        return own.link;
      case 颜色选择器_起始颜色:
      case 颜色选择器_末尾颜色:
        return own.picker;
      case 按钮1:
      case 按钮2:
      case 选择框_预览:
      case 分组框1:
        return "Button";
      case 超级编辑框1:
      case 超级编辑框2:
        return "RichEdit20A";
      case 标签1:
      case 标签2:
        return "TessalyLabel";
      case 透明标签1:
        return "TessalyTransparentLabel";
      case 外形框1:
        return "TessalyShapeBox";
    }
    return {};
  };

  for (const Expected& e : expected) {
    const HWND window = control(e.name);
    SCOPED_TRACE(::testing::Message()
                 << "control #" << static_cast<int>(e.name) << " " << hex(windowText(window)));
    ASSERT_NE(window, nullptr);
    EXPECT_STRCASEEQ(className(window).c_str(), expectedClass(e.name).c_str());
    const HWND parent = e.parent ? control(*e.parent) : mainWindow();
    EXPECT_EQ(GetParent(window), parent);
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, e.left);
    EXPECT_EQ(rect.top, e.top);
    EXPECT_EQ(rect.right - rect.left, e.width);
    EXPECT_EQ(rect.bottom - rect.top, e.height);
    if (e.name != 超级编辑框1 && e.name != 超级编辑框2) {
      EXPECT_EQ(windowText(window), e.text);
    }

    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_DISABLED), DWORD{WS_CHILD | WS_VISIBLE});
    EXPECT_EQ(style & e.style, e.style) << std::hex << style;
    EXPECT_EQ(style & e.notStyle, 0u) << std::hex << style;
    EXPECT_EQ(exStyle & e.exStyle, e.exStyle) << std::hex << exStyle;
    EXPECT_EQ((style & WS_TABSTOP) != 0, e.tabStop);
    if (e.name == 按钮1 || e.name == 按钮2) {
      EXPECT_EQ(style & kButtonTypeMask, DWORD{BS_PUSHBUTTON});
    }
    if (e.name == 分组框1) {
      EXPECT_EQ(style & kButtonTypeMask, DWORD{BS_GROUPBOX});
    }
  }

  // Stacking: among each parent's children, the order of the layout, first on top.
  for (const HWND parent : {mainWindow(), control(分组框1), control(外形框1)}) {
    std::vector<HWND> stacked;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      stacked.push_back(child);
    std::vector<HWND> listed;
    for (const Expected& e : expected)
      if ((e.parent ? control(*e.parent) : mainWindow()) == parent)
        listed.push_back(control(e.name));
    EXPECT_EQ(stacked, listed);
  }
}

TEST_F(MainWindowTest, WindowIsCentredTopmostAndFixed) {
  const HWND window = mainWindow();
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 412);
  EXPECT_EQ(rect.bottom - rect.top, 377);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 412) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 377) / 2);

  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            DWORD{WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX});
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD), 0u);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(windowText(window), " Tessaly QQ：10000");
  EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0);
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICONSM), 0);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control(Control::按钮1), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(MainWindowTest, TextBoxesScrollVerticallyAndWrap) {
  std::string lines;
  for (int i = 0; i < 60; ++i)
    lines += "一行又一行 line " + std::to_string(i) + " " + std::string(80, 'w') + "\r\n";
  for (const Control box : {Control::超级编辑框1, Control::超级编辑框2}) {
    replaceWholeText(box, lines);
    pump();
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(control(box), GWL_STYLE));
    EXPECT_NE(style & WS_VSCROLL, 0u) << static_cast<int>(box);
    EXPECT_EQ(style & WS_HSCROLL, 0u) << static_cast<int>(box);
  }
}

TEST_F(MainWindowTest, CheckBoxStartsTickedAndBothBoxesShown) {
  EXPECT_TRUE(isTicked(Control::选择框_预览));
  EXPECT_EQ(SendMessageA(control(Control::选择框_预览), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(IsWindowVisible(control(Control::超级编辑框1)));
  EXPECT_TRUE(IsWindowVisible(control(Control::超级编辑框2)));
  EXPECT_EQ(currentColour(Control::颜色选择器_起始颜色), 0u);
  EXPECT_EQ(currentColour(Control::颜色选择器_末尾颜色), 0x00FFFFFFu);
  EXPECT_EQ(programColours().start, 0u);
  EXPECT_EQ(programColours().end, 0x00FFFFFFu);
}

TEST_F(MainWindowTest, RichTextBoxesHaveTheirSettings) {
  const std::string usage = "\r\n本工具是为了方便在论坛发表炫彩的字体而设计希望大家喜欢" +
                            std::string(19, ' ') + "\r\n\r\nQQ：10000" + std::string(4, ' ') +
                            "\r\n\r\n官方网址：http://tly.example/" + std::string(56, ' ');
  EXPECT_EQ(hex(readWholeText(Control::超级编辑框1)), hex(usage));
  EXPECT_EQ(readWholeText(Control::超级编辑框2), "");

  for (const Control box : {Control::超级编辑框1, Control::超级编辑框2}) {
    const HWND window = control(box);
    SCOPED_TRACE(static_cast<int>(box));
    EXPECT_EQ(SendMessageA(window, EM_GETEVENTMASK, 0, 0), 0x280005);
    EXPECT_EQ(SendMessageA(window, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFF);
    EXPECT_NE(SendMessageA(window, EM_GETOPTIONS, 0, 0) & ECO_AUTOWORDSELECTION, 0);
    EXPECT_EQ(SendMessageA(window, EM_GETMODIFY, 0, 0), 0);
    EXPECT_NE(SendMessageA(window, EM_GETTEXTMODE, 0, 0) & TM_RICHTEXT, 0);
    CHARRANGE selection{-1, -1};
    SendMessageA(window, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    EXPECT_EQ(selection.cpMin, 0);
    EXPECT_EQ(selection.cpMax, 0);

    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(window, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, "宋体");
    EXPECT_EQ(format.yHeight, 180);
    EXPECT_EQ(format.yOffset, 0);
    EXPECT_EQ(
        format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED),
        0u);
    EXPECT_NE(format.dwEffects & CFE_AUTOCOLOR, 0u);

    // EM_SETBKGNDCOLOR answers with the background it replaces.
    const auto background = static_cast<COLORREF>(SendMessageA(window, EM_SETBKGNDCOLOR, 1, 0));
    EXPECT_EQ(background, GetSysColor(COLOR_WINDOW));
  }
}

}  // namespace
}  // namespace tessaly::testing
