// The main window's event handlers, and their binding to the controls' events.
#pragma once

#include "ui/control_events.h"

namespace tessaly {

void storeStartColour();  // colour chosen in 颜色选择器_起始颜色
void storeEndColour();    // colour chosen in 颜色选择器_末尾颜色
void previewSwitch();     // click on 选择框_预览
void copyCode();          // click on 按钮2

void bindMainWindowHandlers(EventBindings& events);

}  // namespace tessaly
