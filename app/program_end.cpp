#include "app/program_end.h"

#include <cstdlib>

#include "app/external_function.h"
#include "platform/platform.h"

namespace tessaly {

void endProgramAtOnce(int code) {
  releaseExternalLibraries();
  platform().exitProcess(code);
  std::abort();  // exitProcess doesn't return; the compiler can't see through the call
}

}  // namespace tessaly
