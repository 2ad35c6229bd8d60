#include "app/program_entry.h"

#include <exception>
#include <new>

#include "app/created_handler.h"
#include "app/fatal_error.h"
#include "app/floating_point.h"
#include "app/program_end.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/message_pump.h"

namespace tessaly {
namespace {

// The size asked for is not known once a std::bad_alloc is thrown (only an
// array size too large to compute throws one: the program's own operator new
// reports directly); the report then names the largest size.
[[noreturn]] void reportBadAlloc() {
  fatalOutOfMemory(static_cast<std::size_t>(-1));
}

// Anything that escapes, also through a window procedure or a noexcept
// boundary, ends here; out of memory gets its report.
[[noreturn]] void onTerminate() {
  if (const std::exception_ptr escaped = std::current_exception()) {
    try {
      std::rethrow_exception(escaped);
    } catch (const std::bad_alloc&) {
      reportBadAlloc();
    } catch (...) {
    }
  }
  std::abort();
}

}  // namespace

void runProgram(HINSTANCE instance) {
  std::set_terminate(onTerminate);
  try {
    SetCurrentDirectoryA(platform().programFolder().c_str());
    resetFloatingPoint();
    if (!createMainWindow(instance, onMainWindowCreated)) fatalStartWindow();
    const int code = mainWindow() ? runMessageLoop() : 0;
    endProgramAtOnce(code);
  } catch (const std::bad_alloc&) {
    reportBadAlloc();
  }
}

}  // namespace tessaly
