// The support prompt: asks whether the user supports the author's site.
// Yes opens the site; No ends the program at once with 0; a box that
// couldn't be shown does neither.
#pragma once

namespace tessaly {

inline constexpr char kSupportPromptText[] = "是 否 支 持 作 者 网 址？\r\n按 “ 否 ”拒绝支持 ！";

void supportPrompt();

}  // namespace tessaly
