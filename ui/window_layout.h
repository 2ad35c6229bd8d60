// The main window's settings and its fourteen controls, as data.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "ui/controls.h"

namespace tessaly {

inline constexpr int kMainWindowWidth = 412;  // outer size, frame and caption included
inline constexpr int kMainWindowHeight = 377;
inline constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

enum class ControlKind {
  HyperlinkLabel,
  TransparentLabel,
  PushButton,
  CheckBox,
  ShapeBox,
  Label,
  ColourPicker,
  GroupBox,
  RichTextBox,
};

struct ControlSpec {
  Control name;
  ControlKind kind;
  std::optional<Control> parent;  // none: the window itself
  int left, top, width, height;   // in the parent's client area
  std::string text;
  bool tabStop;
};

inline constexpr std::size_t kControlCount = 14;

// In stacking order, the first at the top among its siblings.
const std::array<ControlSpec, kControlCount>& mainWindowControls();

// " Tessaly QQ：" and the author's contact number.
std::string mainWindowCaption();

// The usage text 超级编辑框1 starts with.
std::string initialUsageText();

// The control's id as a child window: its place in the table plus 100.
constexpr int controlId(Control control) {
  return static_cast<int>(control) + 100;
}

}  // namespace tessaly
