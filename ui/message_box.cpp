#include "ui/message_box.h"

#include "platform/platform.h"

namespace tessaly {

MessageBoxAnswer showMessageBox(const char* text, UINT flags) {
  if ((flags & MB_SYSTEMMODAL) == 0) flags |= MB_TASKMODAL;
  switch (platform().messageBox(nullptr, text, "信息：", flags)) {
    case IDCANCEL:
      return MessageBoxAnswer::Cancel;
    case IDABORT:
      return MessageBoxAnswer::Abort;
    case IDRETRY:
      return MessageBoxAnswer::Retry;
    case IDIGNORE:
      return MessageBoxAnswer::Ignore;
    case IDYES:
      return MessageBoxAnswer::Yes;
    case IDNO:
      return MessageBoxAnswer::No;
    default:
      return MessageBoxAnswer::Ok;  // IDOK, or no box at all (0)
  }
}

}  // namespace tessaly
