#include "ui/main_window_handlers.h"

#include "ui/clipboard_text.h"
#include "ui/controls.h"
#include "ui/generate_action.h"
#include "ui/message_box.h"
#include "ui/window_layout.h"

namespace tessaly {

void storeStartColour() {
  programColours().start = currentColour(Control::颜色选择器_起始颜色);
}

void storeEndColour() {
  programColours().end = currentColour(Control::颜色选择器_末尾颜色);
}

void previewSwitch() {
  if (isTicked(Control::选择框_预览)) {
    show(Control::超级编辑框1);
    hide(Control::超级编辑框2);
  } else {
    hide(Control::超级编辑框1);
    show(Control::超级编辑框2);
  }
}

void copyCode() {
  const std::string code = readWholeText(Control::超级编辑框2);
  if (code.empty()) return;
  if (putTextOnClipboard(code)) showMessageBox("复制成功!", MB_OK | MB_SYSTEMMODAL);
}

void bindMainWindowHandlers(EventBindings& events) {
  using enum Control;
  events.bind(controlId(按钮1), BN_CLICKED, generate);
  events.bind(controlId(按钮2), BN_CLICKED, copyCode);
  events.bind(controlId(选择框_预览), BN_CLICKED, previewSwitch);
  events.bind(controlId(颜色选择器_起始颜色), kColourChosen, storeStartColour);
  events.bind(controlId(颜色选择器_末尾颜色), kColourChosen, storeEndColour);
}

}  // namespace tessaly
