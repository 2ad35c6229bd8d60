// The floating-point state after the program's reset, whatever it was before.
#include <gtest/gtest.h>

#include <float.h>

#include "app/floating_point.h"

namespace tessaly {
namespace {

unsigned short x87ControlWord() {
  unsigned short word = 0;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}

TEST(FloatingPoint, ResetGivesNearestRoundingFullPrecisionAndMaskedExceptions) {
  // Start from something else: rounding down, 53-bit precision, exceptions unmasked.
  const unsigned short disturbed = 0x0660;
  asm volatile("fldcw %0" : : "m"(disturbed));
  _controlfp(_RC_DOWN, _MCW_RC);

  resetFloatingPoint();
  EXPECT_EQ(x87ControlWord() & 0x0F3F, 0x033F);  // precision 64 bits, nearest, all masked
  EXPECT_EQ(_controlfp(0, 0) & _MCW_RC, static_cast<unsigned>(_RC_NEAR));
  EXPECT_EQ(_controlfp(0, 0) & _MCW_EM, static_cast<unsigned>(_MCW_EM));

  // A 64-bit significand keeps a difference that 53 bits would lose.
  volatile long double one = 1.0L, tiny = 0x1p-60L;
  EXPECT_NE(one + tiny, one);
}

}  // namespace
}  // namespace tessaly
