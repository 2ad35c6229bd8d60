// Putting a text on the clipboard as CF_TEXT.
#pragma once

#include <string_view>

namespace tessaly {

// The text and one NUL, as CF_TEXT, through the platform. The memory is had
// before the clipboard is opened and emptied, so a failed allocation leaves
// the clipboard as it was; a clipboard that refuses the memory is a failure
// (the memory is freed). True on success.
bool putTextOnClipboard(std::string_view text);

}  // namespace tessaly
