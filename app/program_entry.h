// The program from its start to its end.
#pragma once

#include <windows.h>

namespace tessaly {

// Current directory = the program's folder, the floating-point reset, the
// main window (whose created handler runs the start-up), the message loop,
// the release of the libraries; returns nothing: it ends the process.
[[noreturn]] void runProgram(HINSTANCE instance);

}  // namespace tessaly
