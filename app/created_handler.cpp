#include "app/created_handler.h"

#include "app/skin_setup.h"
#include "app/support_prompt.h"
#include "ui/controls.h"

namespace tessaly {

void onMainWindowCreated() {
  setUpSkin(kProgramSkinNumber);
  supportPrompt();
  programColours().start = currentColour(Control::颜色选择器_起始颜色);
  programColours().end = currentColour(Control::颜色选择器_末尾颜色);
}

}  // namespace tessaly
