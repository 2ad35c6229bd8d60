#include "ui/palette_layout.h"

#include <algorithm>

#include "generator/colour.h"
#include "generator/palette.h"

namespace tessaly {

PaletteLayout::PaletteLayout(bool offerTransparent) : firstCell_(offerTransparent ? 1 : 0) {
  const int width = kPaletteColumns * kPaletteCellSize + 2 * kPaletteMargin;
  const LONG entryRight = width - kPaletteMargin;
  int top = kPaletteMargin;
  if (offerTransparent) {
    items_.push_back({PaletteItemKind::transparent,
                      -1,
                      {kPaletteMargin, top, entryRight, top + kPaletteEntryHeight}});
    top += kPaletteEntryHeight + kPaletteMargin;
  }
  for (int cell = 0; cell < static_cast<int>(kPalette.size()); ++cell) {
    const int left = kPaletteMargin + (cell % kPaletteColumns) * kPaletteCellSize;
    const int cellTop = top + (cell / kPaletteColumns) * kPaletteCellSize;
    items_.push_back({PaletteItemKind::cell,
                      cell,
                      {left, cellTop, left + kPaletteCellSize, cellTop + kPaletteCellSize}});
  }
  top += kPaletteRows * kPaletteCellSize + kPaletteMargin;
  items_.push_back({PaletteItemKind::moreColours,
                    -1,
                    {kPaletteMargin, top, entryRight, top + kPaletteEntryHeight}});
  size_ = {width, top + kPaletteEntryHeight + kPaletteMargin};
}

int PaletteLayout::itemAt(POINT point) const {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (PtInRect(&items_[i].box, point)) return i;
  return -1;
}

int PaletteLayout::itemFor(std::uint32_t value) const {
  if (value == AutoColour) return transparentItem();
  for (int cell = 0; cell < static_cast<int>(kPalette.size()); ++cell)
    if (kPalette[cell].colour == value) return cellItem(cell);
  return -1;
}

std::optional<std::uint32_t> PaletteLayout::colourOf(int item) const {
  if (item < 0 || item >= static_cast<int>(items_.size())) return std::nullopt;
  switch (items_[item].kind) {
    case PaletteItemKind::transparent:
      return AutoColour;
    case PaletteItemKind::cell:
      return kPalette[items_[item].cell].colour;
    case PaletteItemKind::moreColours:
      break;
  }
  return std::nullopt;
}

PaletteFocus PaletteLayout::move(PaletteFocus focus, PaletteKey key) const {
  const int last = moreColoursItem();
  if (focus.item < 0 || focus.item > last) return {cellItem(0), 0};
  const PaletteItem& item = items_[focus.item];

  if (key == PaletteKey::left || key == PaletteKey::right) {
    const int next = std::clamp(focus.item + (key == PaletteKey::left ? -1 : 1), 0, last);
    const PaletteItem& target = items_[next];
    return {next,
            target.kind == PaletteItemKind::cell ? target.cell % kPaletteColumns : focus.column};
  }

  const bool up = key == PaletteKey::up;
  switch (item.kind) {
    case PaletteItemKind::transparent:
      return up ? focus : PaletteFocus{cellItem(focus.column), focus.column};
    case PaletteItemKind::moreColours:
      return up ? PaletteFocus{cellItem((kPaletteRows - 1) * kPaletteColumns + focus.column),
                               focus.column}
                : focus;
    case PaletteItemKind::cell:
      break;
  }
  const int row = item.cell / kPaletteColumns;
  const int column = item.cell % kPaletteColumns;
  if (up && row == 0)
    return transparentItem() >= 0 ? PaletteFocus{transparentItem(), column}
                                  : PaletteFocus{focus.item, column};
  if (!up && row == kPaletteRows - 1) return {last, column};
  return {cellItem(item.cell + (up ? -kPaletteColumns : kPaletteColumns)), column};
}

POINT palettePosition(const RECT& picker, SIZE popup, const RECT& workArea) {
  LONG top = picker.bottom;
  if (top + popup.cy > workArea.bottom && picker.top - popup.cy >= workArea.top)
    top = picker.top - popup.cy;
  const LONG left = std::max(workArea.left, std::min(picker.left, workArea.right - popup.cx));
  top = std::max(workArea.top, std::min(top, workArea.bottom - popup.cy));
  return {left, top};
}

}  // namespace tessaly
