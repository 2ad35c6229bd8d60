// The controls of the main window by their names, and the operations on
// controls: the only way the handlers reach them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly {

// In stacking order, the first at the top among its siblings.
enum class Control {
  超级链接框2,
  透明标签1,
  超级链接框1,
  按钮2,
  选择框_预览,
  按钮1,
  外形框1,
  标签2,
  标签1,
  颜色选择器_末尾颜色,
  颜色选择器_起始颜色,
  分组框1,
  超级编辑框1,
  超级编辑框2,
};

// Rich-text boxes: the whole content as code page 936 text (EM_STREAMOUT,
// SF_TEXT), and its replacement (EM_STREAMIN, SF_TEXT).
std::string readWholeText(Control box);
void replaceWholeText(Control box, std::string_view text);

// 超级编辑框1 at its caret: the format the text inserted next takes
// (EM_SETCHARFORMAT, SCF_SELECTION), and the insertion, which replaces the
// selection and leaves the caret after the text (EM_STREAMIN, SFF_SELECTION).
struct CharFormat;
void setFormatAtCaret(Control box, const CharFormat& format);
void insertAtCaret(Control box, std::string_view text);

// ShowWindow with SW_SHOW / SW_HIDE.
void show(Control control);
void hide(Control control);

// 选择框_预览: true exactly when it is BST_CHECKED.
bool isTicked(Control checkBox);

// A colour picker's current colour: a ColourRef, or AutoColour.
std::uint32_t currentColour(Control picker);

// The program-wide colours the pickers' handlers store and a generation reads.
struct ProgramColours {
  std::uint32_t start = 0;
  std::uint32_t end = 0;
};
ProgramColours& programColours();

}  // namespace tessaly
