// The generate action: the click handler of 按钮1 ("生成字体").
#pragma once

namespace tessaly {

void generate();

}  // namespace tessaly
