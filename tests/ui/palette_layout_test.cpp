// The palette's geometry and keyboard rules, without windows.
#include "ui/palette_layout.h"

#include <gtest/gtest.h>

#include "generator/colour.h"
#include "generator/palette.h"

namespace tessaly {
namespace {

TEST(PaletteLayout, ItemsAreTheEntriesAroundThe32CellsInRowsOfEight) {
  for (const bool offer : {true, false}) {
    SCOPED_TRACE(offer ? "with 透明" : "without 透明");
    const PaletteLayout layout(offer);
    const auto& items = layout.items();
    ASSERT_EQ(items.size(), offer ? 34u : 33u);
    EXPECT_EQ(items.front().kind, offer ? PaletteItemKind::transparent : PaletteItemKind::cell);
    EXPECT_EQ(items.back().kind, PaletteItemKind::moreColours);
    for (int cell = 0; cell < 32; ++cell) {
      const PaletteItem& item = items[layout.cellItem(cell)];
      EXPECT_EQ(item.kind, PaletteItemKind::cell);
      EXPECT_EQ(item.cell, cell);
      // Palette order reads left to right, then row by row.
      const PaletteItem& first = items[layout.cellItem(0)];
      EXPECT_EQ(item.box.left - first.box.left, (cell % 8) * kPaletteCellSize) << cell;
      EXPECT_EQ(item.box.top - first.box.top, (cell / 8) * kPaletteCellSize) << cell;
      EXPECT_EQ(layout.colourOf(layout.cellItem(cell)), kPalette[cell].colour);
    }
    // Nothing overlaps and everything lies inside the popup.
    for (std::size_t i = 0; i < items.size(); ++i) {
      RECT inside;
      const RECT whole{0, 0, layout.size().cx, layout.size().cy};
      EXPECT_TRUE(IntersectRect(&inside, &items[i].box, &whole) &&
                  EqualRect(&inside, &items[i].box));
      for (std::size_t j = i + 1; j < items.size(); ++j)
        EXPECT_FALSE(IntersectRect(&inside, &items[i].box, &items[j].box)) << i << " " << j;
    }
    EXPECT_EQ(layout.colourOf(layout.moreColoursItem()), std::nullopt);
  }
}

TEST(PaletteLayout, ItemAtFindsTheItemUnderAPointAndNothingBetween) {
  const PaletteLayout layout(true);
  for (int i = 0; i < static_cast<int>(layout.items().size()); ++i) {
    const RECT& box = layout.items()[i].box;
    EXPECT_EQ(layout.itemAt({box.left, box.top}), i);
    EXPECT_EQ(layout.itemAt({box.right - 1, box.bottom - 1}), i);
  }
  EXPECT_EQ(layout.itemAt({0, 0}), -1);  // the margin
  EXPECT_EQ(layout.itemAt({layout.size().cx, layout.size().cy}), -1);
  EXPECT_EQ(layout.itemAt({-5, 10}), -1);
}

TEST(PaletteLayout, ItemForAValue) {
  const PaletteLayout with(true), without(false);
  EXPECT_EQ(with.itemFor(AutoColour), with.transparentItem());
  EXPECT_EQ(without.itemFor(AutoColour), -1);
  EXPECT_EQ(with.itemFor(rgb(0x00, 0x88, 0xFF)), with.cellItem(25));  // 天蓝
  EXPECT_EQ(without.itemFor(0), without.cellItem(0));
  EXPECT_EQ(with.itemFor(rgb(0x12, 0x34, 0x56)), -1);
  EXPECT_EQ(with.colourOf(with.transparentItem()), AutoColour);
}

TEST(PaletteLayout, ArrowKeysMoveTheFocus) {
  using K = PaletteKey;
  const PaletteLayout with(true), without(false);
  struct Case {
    const char* what;
    const PaletteLayout& layout;
    PaletteFocus from;
    K key;
    PaletteFocus to;
  };
  const int t = with.transparentItem(), more = with.moreColoursItem();
  auto cell = [](const PaletteLayout& l, int c) { return PaletteFocus{l.cellItem(c), c % 8}; };
  const Case cases[] = {
      {"no focus goes to the first cell", with, {-1, 0}, K::down, cell(with, 0)},
      {"no focus, left", without, {-1, 0}, K::left, cell(without, 0)},
      {"right within a row", with, cell(with, 0), K::right, cell(with, 1)},
      {"right wraps to the next row", with, cell(with, 7), K::right, cell(with, 8)},
      {"left wraps to the row above", with, cell(with, 8), K::left, cell(with, 7)},
      {"left from the first cell reaches 透明", with, cell(with, 0), K::left, {t, 0}},
      {"left from the first cell stays without 透明", without, cell(without, 0), K::left,
       cell(without, 0)},
      {"right from the last cell reaches the dialog entry",
       with,
       cell(with, 31),
       K::right,
       {more, 7}},
      {"right at the end stays", with, {more, 3}, K::right, {more, 3}},
      {"left at the start stays", with, {t, 2}, K::left, {t, 2}},
      {"down a row", with, cell(with, 2), K::down, cell(with, 10)},
      {"up a row", with, cell(with, 29), K::up, cell(with, 21)},
      {"up from the top row reaches 透明", with, cell(with, 5), K::up, {t, 5}},
      {"up from the top row stays without 透明", without, cell(without, 5), K::up,
       cell(without, 5)},
      {"down from 透明 keeps the column", with, {t, 5}, K::down, cell(with, 5)},
      {"down from the bottom row reaches the dialog entry",
       with,
       cell(with, 26),
       K::down,
       {more, 2}},
      {"up from the dialog entry keeps the column", with, {more, 2}, K::up, cell(with, 26)},
      {"down from the dialog entry stays", with, {more, 2}, K::down, {more, 2}},
      {"up from 透明 stays", with, {t, 4}, K::up, {t, 4}},
  };
  for (const Case& c : cases) {
    const PaletteFocus got = c.layout.move(c.from, c.key);
    EXPECT_EQ(got.item, c.to.item) << c.what;
    EXPECT_EQ(got.column, c.to.column) << c.what;
  }
}

TEST(PalettePosition, BelowThePickerUnlessThereIsNoRoom) {
  const RECT work{0, 0, 1024, 738};
  const SIZE popup{152, 132};
  struct Case {
    const char* what;
    RECT picker;
    POINT expected;
  };
  const Case cases[] = {
      {"below, left-aligned", {100, 100, 144, 126}, {100, 126}},
      {"above where the bottom is near", {100, 700, 144, 726}, {100, 568}},
      {"pulled left at the right edge", {1000, 100, 1044, 126}, {872, 126}},
      {"pulled right at the left edge", {-20, 100, 24, 126}, {0, 126}},
      {"kept inside where neither side has room", {100, 50, 144, 650}, {100, 606}},
  };
  for (const Case& c : cases) {
    const POINT got = palettePosition(c.picker, popup, work);
    EXPECT_EQ(got.x, c.expected.x) << c.what;
    EXPECT_EQ(got.y, c.expected.y) << c.what;
  }
}

}  // namespace
}  // namespace tessaly
