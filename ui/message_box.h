// The program's message box: no owner window, the caption "信息：", and
// MB_TASKMODAL added where MB_SYSTEMMODAL is missing.
#pragma once

#include <windows.h>

namespace tessaly {

// The button pressed, as a number.
enum class MessageBoxAnswer {
  Ok = 0,
  Cancel = 1,
  Abort = 2,
  Retry = 3,
  Ignore = 4,
  Yes = 5,
  No = 6
};

// Shows `text` with `flags`; a box that can't be shown answers Ok (0).
MessageBoxAnswer showMessageBox(const char* text, UINT flags);

}  // namespace tessaly
