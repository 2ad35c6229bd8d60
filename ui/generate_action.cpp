#include "ui/generate_action.h"

#include <string>

#include "generator/forum_code.h"
#include "generator/gradient.h"
#include "ui/char_format.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "ui/main_window_handlers.h"
#include "ui/message_pump.h"

namespace tessaly {

void generate() {
  CharFormat format{"宋体", 9, 0, 0, AutoColour};
  const std::string text = readWholeText(Control::超级编辑框1);
  if (text.empty()) return;

  const HWND window = mainWindow();
  const ProgramColours colours = programColours();
  const GradientResult result = generateGradient(text, colours.start, colours.end);
  replaceWholeText(Control::超级编辑框1, "");

  std::string code;
  code.reserve(result.code.size());
  bool afterCr = false;
  for (const GradientPiece& piece : result.pieces) {
    code += codeFragment(piece).view();
    previewSwitch();  // the box the check box asks for, at every piece
    format.colour = piece.colour;
    setFormatAtCaret(Control::超级编辑框1, format);
    // The box makes a line break of a lone CR and of a lone LF alike, so the
    // LF of a CR LF, inserted on its own, would show the text with one line
    // break more (and the next generation would take it as input): the CR has
    // made the line break already, and the LF adds nothing to the preview.
    const bool lfOfCrLf = afterCr && piece.view() == "\n";
    afterCr = piece.view() == "\r";
    if (!lfOfCrLf) insertAtCaret(Control::超级编辑框1, piece.view());
    processPendingMessages();
    // The window may have been closed meanwhile: then its controls are gone,
    // and this generation (like any it was nested in) stops here.
    if (mainWindow() != window) return;
  }
  replaceWholeText(Control::超级编辑框2, code);
}

}  // namespace tessaly
