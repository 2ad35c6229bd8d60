// The floating-point state the program computes under.
#pragma once

namespace tessaly {

// Rounding to nearest, a 64-bit significand for x87 intermediate results,
// every exception masked (both the x87 unit and SSE).
void resetFloatingPoint();

}  // namespace tessaly
