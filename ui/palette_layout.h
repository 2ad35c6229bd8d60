// The palette popup's geometry and keyboard rules, apart from any window:
// where each item lies, which item a point hits, where the arrow keys move
// the focus, and where the popup opens next to its picker.
//
// Items, in order: "透明" (where offered) across the top, the 32 cells in
// rows of eight in palette order, "其它颜色..." across the bottom.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace tessaly {

enum class PaletteItemKind { transparent, cell, moreColours };

struct PaletteItem {
  PaletteItemKind kind;
  int cell;  // 0-31 for a cell, -1 for an entry
  RECT box;  // in the popup's client coordinates
};

enum class PaletteKey { left, right, up, down };

// The focused item (or -1 for none) and the cell column that Up and Down
// keep while the focus passes over an entry.
struct PaletteFocus {
  int item = -1;
  int column = 0;
  bool operator==(const PaletteFocus&) const = default;
};

inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteRows = 4;
inline constexpr int kPaletteCellSize = 18;
inline constexpr int kPaletteMargin = 4;
inline constexpr int kPaletteEntryHeight = 22;

class PaletteLayout {
 public:
  explicit PaletteLayout(bool offerTransparent);

  SIZE size() const { return size_; }
  const std::vector<PaletteItem>& items() const { return items_; }

  // The item under `point` (client coordinates), or -1.
  int itemAt(POINT point) const;
  int cellItem(int cell) const { return firstCell_ + cell; }
  int transparentItem() const { return firstCell_ == 1 ? 0 : -1; }
  int moreColoursItem() const { return static_cast<int>(items_.size()) - 1; }
  // The item that stands for `value`: "透明" for AutoColour, the first cell
  // of that colour, or -1.
  int itemFor(std::uint32_t value) const;
  // The colour an item stands for; none for "其它颜色...".
  std::optional<std::uint32_t> colourOf(int item) const;

  // Where an arrow key moves the focus. From no focus any arrow goes to the
  // first cell. Left and Right step through the items in order, Up and Down
  // by rows; the ends stay where they are.
  PaletteFocus move(PaletteFocus focus, PaletteKey key) const;

 private:
  std::vector<PaletteItem> items_;
  int firstCell_;
  SIZE size_;
};

// The popup's top-left corner in screen coordinates: below the picker,
// left-aligned with it; above it where there is no room below; kept inside
// the work area.
POINT palettePosition(const RECT& picker, SIZE popup, const RECT& workArea);

}  // namespace tessaly
