#include "app/floating_point.h"

#include <float.h>

namespace tessaly {

void resetFloatingPoint() {
  _fpreset();
  _controlfp(_RC_NEAR | _MCW_EM, _MCW_RC | _MCW_EM);
  // The precision control is an x87 setting that the runtime doesn't take on
  // x86-64 (_MCW_PC is not supported there): set it on the unit itself.
  // 0x037F: all exceptions masked, 64-bit significand, round to nearest.
  const unsigned short x87Control = 0x037F;
  asm volatile("fldcw %0" : : "m"(x87Control));
}

}  // namespace tessaly
