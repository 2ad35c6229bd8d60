// Skins for the tests: flat, distinct colours that are easy to find on screen.
#pragma once

#include "skin/format/skin_format.h"

namespace tessaly::skin::testing {

inline Skin flatSkin() {
  Skin skin;
  skin.name = "Test flat";
  skin.windowFace = 0x00A0C0E0;  // RGB(E0, C0, A0)
  skin.frame = 0x00203040;
  skin.caption = 0x00604020;
  skin.captionText = 0x00FFFFFF;
  skin.containerFace = 0x0080E0C0;  // RGB(C0, E0, 80)
  skin.containerFrame = 0x00008000;
  skin.buttonFace = 0x00F0A060;  // RGB(60, A0, F0)
  skin.buttonFaceBottom = skin.buttonFace;
  skin.buttonBorder = 0x00400000;
  skin.buttonHot = 0x00F8C080;
  skin.buttonPressed = 0x00C08040;
  skin.buttonText = 0x00000040;
  skin.buttonCornerRadius = 3;
  skin.checkBoxFace = 0x00E0FFFF;
  skin.checkBoxBorder = 0x00404040;
  skin.checkBoxTick = 0x00008020;
  skin.groupFrame = 0x00806040;
  return skin;
}

}  // namespace tessaly::skin::testing
