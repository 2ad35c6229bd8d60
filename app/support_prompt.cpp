#include "app/support_prompt.h"

#include <windows.h>

#include <string>

#include "app/program_end.h"
#include "platform/platform.h"
#include "ui/message_box.h"
#include "ui/site_settings.h"

namespace tessaly {

void supportPrompt() {
  switch (showMessageBox(kSupportPromptText, MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL)) {
    case MessageBoxAnswer::Yes: {
      // Whether a browser opens makes no difference: the result is ignored.
      const std::string address(kAuthorSiteAddress);
      const HWND owner = platform().findTopLevelWindow("Microsoft Internet Explorer");
      platform().shellExecute(owner, "open", address.c_str(), SW_SHOWNORMAL);
      return;
    }
    case MessageBoxAnswer::No:
      endProgramAtOnce(0);
    default:
      return;  // no box could be shown
  }
}

}  // namespace tessaly
