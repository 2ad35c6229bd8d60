// tessaly.exe: the program's entry.
#include <windows.h>

#include "app/program_entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  tessaly::runProgram(instance);
}
