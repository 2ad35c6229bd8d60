// The colour picker as the user meets it: real clicks and keys on a picker
// inside a container, its palette driven from a timer while the palette's
// own loop runs, the event bound at the top-level window.
#include "ui/colour_picker.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "generator/palette.h"
#include "tests/support/fake_platform.h"
#include "tests/ui/ui_test_support.h"
#include "ui/palette_layout.h"

namespace tessaly {
namespace {

using namespace testing;

constexpr int kPickerId = 401;
constexpr std::uint32_t kOutsidePalette = 0x00123456;

// The picker with its host; events counted at the host's bindings.
class PickerFixture {
 public:
  explicit PickerFixture(ColourPickerSettings settings, bool ownWindow = false)
      : host(ownWindow), offer_(settings.offerTransparent) {
    moveMouse({1000, 740});
    picker = createColourPicker(host.container(), kPickerId, {20, 20, 64, 46}, settings);
    if (!picker) throw std::runtime_error("can't create the picker");
    ShowWindow(picker, SW_SHOW);
    UpdateWindow(picker);
    host.bindings.bind(kPickerId, kColourChosen,
                       [this] { valuesAtEvents.push_back(colourPickerValue(picker)); });
  }

  // A step that waits for the palette and then acts on it.
  std::function<bool()> onPalette(std::function<void(HWND palette)> action) {
    return [this, action] {
      const HWND palette = colourPickerPalette(picker);
      if (!palette || !IsWindowVisible(palette)) return false;
      action(palette);
      return true;
    };
  }
  std::function<bool()> clickItem(int item) {
    return onPalette([this, item](HWND palette) {
      click(screenCentre(palette, PaletteLayout(offer_).items()[item].box));
    });
  }
  std::function<bool()> key(WORD virtualKey) {
    return onPalette([virtualKey](HWND) { pressKey(virtualKey); });
  }

  // Runs `script` against the palette that `open` opens; true once the
  // palette has closed again and every step ran.
  bool run(ModalScript& script, const std::function<void()>& open) {
    open();
    const bool ended =
        pumpUntil([&] { return script.finished() && !colourPickerPalette(picker); }, 5000);
    pumpFor(30);
    return ended;
  }
  bool runByClick(ModalScript& script) {
    return run(script, [this] { click(screenCentre(picker)); });
  }

  PaletteLayout layout() const { return PaletteLayout(offer_); }

  TestHost host;
  HWND picker = nullptr;
  std::vector<std::uint32_t> valuesAtEvents;

 private:
  bool offer_;
};

class ColourPickerTest : public ::testing::Test {
 protected:
  ScopedFakePlatform fake;
};

TEST_F(ColourPickerTest, IsATabStopChildThatWantsEnter) {
  PickerFixture f({0, true});
  EXPECT_EQ(GetParent(f.picker), f.host.container());
  EXPECT_EQ(GetDlgCtrlID(f.picker), kPickerId);
  EXPECT_TRUE(GetWindowLongPtrA(f.picker, GWL_STYLE) & WS_TABSTOP);
  MSG enter{f.picker, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(SendMessageA(f.picker, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
              DLGC_WANTMESSAGE);
  MSG escape{f.picker, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_FALSE(SendMessageA(f.picker, WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(&escape)) &
               (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS));
  const HWND plain = createColourPicker(f.host.container(), 402, {0, 0, 10, 10}, {}, 0);
  EXPECT_FALSE(GetWindowLongPtrA(plain, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ColourPickerTest, AClickedCellBecomesTheValueAndReachesTheTopLevelHandler) {
  for (const int cell : {0, 9, 25, 31}) {
    SCOPED_TRACE(kPalette[cell].name);
    PickerFixture f({kOutsidePalette, true});
    ModalScript script;
    script.then(f.clickItem(f.layout().cellItem(cell)));
    ASSERT_TRUE(f.runByClick(script));
    EXPECT_EQ(colourPickerValue(f.picker), kPalette[cell].colour);
    // Raised once, after the value was set, through the container.
    EXPECT_EQ(f.valuesAtEvents, std::vector<std::uint32_t>{kPalette[cell].colour});
    EXPECT_EQ(f.host.forwardedCommands, 1);
    EXPECT_EQ(fake.count("chooseColour"), 0);
  }
}

TEST_F(ColourPickerTest, TransparentIsAutoColourShownAsAWhiteSwatchWithItsName) {
  PickerFixture f({rgb(0x00, 0x88, 0xFF), true});
  RECT client;
  GetClientRect(f.picker, &client);
  const RECT swatch{5, 5, client.right - 13, client.bottom - 5};
  const int area = (swatch.right - swatch.left) * (swatch.bottom - swatch.top);
  EXPECT_EQ(paintedPixels(f.picker).count(rgb(0x00, 0x88, 0xFF), swatch), area);

  ModalScript script;
  script.then(f.clickItem(f.layout().transparentItem()));
  ASSERT_TRUE(f.runByClick(script));
  EXPECT_EQ(colourPickerValue(f.picker), 0xFF000000u);
  EXPECT_EQ(f.valuesAtEvents, std::vector<std::uint32_t>{AutoColour});

  const Pixels pixels = paintedPixels(f.picker);
  EXPECT_EQ(pixels.count(rgb(0x00, 0x88, 0xFF)), 0);
  EXPECT_GT(pixels.count(RGB(255, 255, 255), swatch), area / 2);
  // The text "透明", dark on the white.
  EXPECT_GT(
      pixels.countWhere([](COLORREF p) { return GetRValue(p) + GetGValue(p) + GetBValue(p) < 300; },
                        swatch),
      10);
}

TEST_F(ColourPickerTest, WithoutTheTransparentEntryThePaletteStartsWithTheCells) {
  PickerFixture f({0, false});
  ModalScript script;
  script.then(f.clickItem(0));  // the first item is the first cell
  ASSERT_TRUE(f.runByClick(script));
  EXPECT_EQ(f.valuesAtEvents, std::vector<std::uint32_t>{kPalette[0].colour});
}

TEST_F(ColourPickerTest, ConfirmingTheSameColourAgainRaisesTheEventAgain) {
  PickerFixture f({kPalette[3].colour, true});
  for (int round = 1; round <= 2; ++round) {
    ModalScript script;
    script.then(f.clickItem(f.layout().cellItem(3)));
    ASSERT_TRUE(f.runByClick(script));
    EXPECT_EQ(f.valuesAtEvents.size(), static_cast<std::size_t>(round));
  }
  EXPECT_EQ(colourPickerValue(f.picker), kPalette[3].colour);
}

TEST_F(ColourPickerTest, ACancelledPaletteRaisesNothingAndEscClosesOnlyThePalette) {
  struct Case {
    const char* what;
    std::function<void(PickerFixture&, HWND palette)> cancel;
  };
  const Case cases[] = {
      {"a click outside the popup",
       [](PickerFixture& f, HWND) {
         click(screenCentre(f.host.container(), {300, 30, 302, 32}));
       }},
      {"a click on the picker itself",
       [](PickerFixture& f, HWND) { click(screenCentre(f.picker)); }},
      {"Esc", [](PickerFixture&, HWND) { pressKey(VK_ESCAPE); }},
      {"a right click outside",
       [](PickerFixture& f, HWND) {
         moveMouse(screenCentre(f.host.container(), {300, 30, 302, 32}));
         INPUT input[2]{};
         input[0].type = input[1].type = INPUT_MOUSE;
         input[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
         input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
         SendInput(2, input, sizeof input[0]);
       }},
      {"the loss of activation",
       [](PickerFixture&, HWND) {
         static HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 600, 0,
                                             50, 50, nullptr, nullptr, nullptr, nullptr);
         SetActiveWindow(other);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PickerFixture f({kPalette[5].colour, true});
    ASSERT_TRUE(f.host.activate());
    ModalScript script;
    script.then(f.onPalette([&](HWND palette) { c.cancel(f, palette); }));
    ASSERT_TRUE(f.runByClick(script));
    pumpFor(100);
    EXPECT_EQ(colourPickerPalette(f.picker), nullptr);
    EXPECT_EQ(colourPickerValue(f.picker), kPalette[5].colour);
    EXPECT_TRUE(f.valuesAtEvents.empty());
    EXPECT_EQ(f.host.closeRequests, 0);  // the window's own Esc rule never saw the key
  }
  // Without a palette open, the same Esc reaches the window's rule.
  PickerFixture f({0, true});
  ASSERT_TRUE(f.host.activate());
  SetFocus(f.picker);
  pressKey(VK_ESCAPE);
  EXPECT_TRUE(pumpUntil([&] { return f.host.closeRequests == 1; }));
}

TEST_F(ColourPickerTest, KeyboardOpensMovesAndConfirms) {
  struct Case {
    const char* what;
    std::uint32_t initial;
    WORD open;
    std::vector<WORD> moves;
    WORD confirm;
    std::uint32_t expected;
  };
  fake.colourDialogAnswer = 0x00ABCDEF;
  const Case cases[] = {
      {"Space, two right, one down, Enter",
       kPalette[0].colour,
       VK_SPACE,
       {VK_RIGHT, VK_RIGHT, VK_DOWN},
       VK_RETURN,
       kPalette[10].colour},
      {"Enter, up to 透明, Space", kPalette[2].colour, VK_RETURN, {VK_UP}, VK_SPACE, AutoColour},
      {"from a colour outside the palette the first arrow takes the first cell",
       kOutsidePalette,
       VK_SPACE,
       {VK_DOWN},
       VK_RETURN,
       kPalette[0].colour},
      {"left from a cell",
       kPalette[20].colour,
       VK_SPACE,
       {VK_LEFT, VK_UP},
       VK_SPACE,
       kPalette[11].colour},
      {"down from the bottom row to the dialog entry",
       kPalette[26].colour,
       VK_SPACE,
       {VK_DOWN},
       VK_RETURN,
       0x00ABCDEF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PickerFixture f({c.initial, true});
    ASSERT_TRUE(f.host.activate());
    SetFocus(f.picker);
    ModalScript script;
    for (const WORD move : c.moves) script.then(f.key(move));
    script.then(f.key(c.confirm));
    ASSERT_TRUE(f.run(script, [&] { pressKey(c.open); }));
    EXPECT_EQ(colourPickerValue(f.picker), c.expected);
    EXPECT_EQ(f.valuesAtEvents, std::vector<std::uint32_t>{c.expected});
  }
}

TEST_F(ColourPickerTest, TheColourDialogStartsFromTheColourAtOpeningAndOnlyOkConfirms) {
  struct Case {
    const char* what;
    std::optional<ColourRef> answer;
    std::uint32_t expected;
    std::size_t events;
  };
  const Case cases[] = {
      {"OK", 0x00ABCDEF, 0x00ABCDEF, 1},
      {"OK on the colour it started with", kOutsidePalette, kOutsidePalette, 1},
      {"Cancel", std::nullopt, kOutsidePalette, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fake.colourDialogAnswer = c.answer;
    fake.colourDialogStarts.clear();
    PickerFixture f({kOutsidePalette, true});
    ModalScript script;
    script.then(f.clickItem(f.layout().moreColoursItem()));
    ASSERT_TRUE(f.runByClick(script));
    EXPECT_EQ(fake.colourDialogStarts, std::vector<ColourRef>{kOutsidePalette});
    EXPECT_EQ(colourPickerValue(f.picker), c.expected);
    EXPECT_EQ(f.valuesAtEvents.size(), c.events);
  }
}

TEST_F(ColourPickerTest, ThePaletteIsAnOwnedPopupWithANameTooltipPerCell) {
  PickerFixture f({0, true});
  RECT pickerPlace;
  GetWindowRect(f.picker, &pickerPlace);
  ModalScript script;
  script.then(f.onPalette([&](HWND palette) {
    EXPECT_TRUE(GetWindowLongPtrA(palette, GWL_STYLE) & WS_POPUP);
    EXPECT_FALSE(GetWindowLongPtrA(palette, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetWindow(palette, GW_OWNER), f.host.window());
    EXPECT_FALSE(IsChild(f.host.window(), palette));
    RECT place;
    GetWindowRect(palette, &place);
    EXPECT_EQ(place.left, pickerPlace.left);
    EXPECT_EQ(place.top, pickerPlace.bottom);
    EXPECT_EQ(place.right - place.left, f.layout().size().cx);
    EXPECT_EQ(GetActiveWindow(), f.host.window());  // the popup doesn't take activation

    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
          char name[32];
          if (GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0)
            *reinterpret_cast<HWND*>(found) = window;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetWindow(tooltip, GW_OWNER), palette);
    ASSERT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 32);
    std::vector<bool> seen(32);
    for (int i = 0; i < 32; ++i) {
      char text[80] = {};
      TOOLINFOA tool{};
      tool.cbSize = sizeof tool;
      tool.lpszText = text;
      ASSERT_TRUE(SendMessageA(tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool)));
      ASSERT_LT(tool.uId, 32u);
      seen[tool.uId] = true;
      EXPECT_EQ(std::string(text), kPalette[tool.uId].name) << tool.uId;
      const RECT& box = f.layout().items()[f.layout().cellItem(static_cast<int>(tool.uId))].box;
      EXPECT_TRUE(EqualRect(&tool.rect, &box)) << tool.uId;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 32);
    pressKey(VK_ESCAPE);
  }));
  ASSERT_TRUE(f.runByClick(script));
  EXPECT_TRUE(f.valuesAtEvents.empty());
}

TEST_F(ColourPickerTest, DestroyingTheWindowWhileThePaletteIsOpenCancelsIt) {
  // The palette is destroyed with the window that owns it.
  PickerFixture f({0, true}, true);
  ModalScript script;
  script.then(f.onPalette([&](HWND) { DestroyWindow(f.host.window()); }));
  ASSERT_TRUE(f.runByClick(script));
  EXPECT_FALSE(IsWindow(f.picker));
  EXPECT_TRUE(f.valuesAtEvents.empty());
}

// The real ChooseColorA, once each way, steered by posting to its dialog.
TEST(ColourPickerRealDialog, OkConfirmsTheStartColourAndCancelKeepsTheValue) {
  for (const UINT button : {IDOK, IDCANCEL}) {
    SCOPED_TRACE(button == IDOK ? "OK" : "Cancel");
    PickerFixture f({kOutsidePalette, true});
    HWND dialogOwner = nullptr;
    ModalScript script;
    script.then(f.clickItem(f.layout().moreColoursItem())).then([&] {
      const HWND dialog = threadDialog();
      if (!dialog) return false;
      dialogOwner = GetWindow(dialog, GW_OWNER);
      PostMessageA(dialog, WM_COMMAND, button, 0);
      return true;
    });
    ASSERT_TRUE(f.runByClick(script));
    ASSERT_TRUE(pumpUntil([] { return threadDialog() == nullptr; }));
    EXPECT_EQ(dialogOwner, f.host.window());
    EXPECT_EQ(colourPickerValue(f.picker), kOutsidePalette);
    EXPECT_EQ(f.valuesAtEvents.size(), button == IDOK ? 1u : 0u);
  }
}

}  // namespace
}  // namespace tessaly
