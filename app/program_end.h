// Ending the program at once: the libraries loaded for external calls are
// released, then the process ends with `code`.
#pragma once

namespace tessaly {

[[noreturn]] void endProgramAtOnce(int code);

}  // namespace tessaly
