// The straight-line colour ramp from a start colour towards an end colour.
//
// Every operation (the quotient, each product, each sum) is rounded first to a
// 64-bit significand and then to a double, ties to even, as the x87 unit does
// with 64-bit precision when its results are stored as doubles. The ramp is
// computed in integers, so the result never depends on the state of the
// floating-point unit, and is the same in every build.
#pragma once

#include <cstdint>
#include <vector>

#include "generator/colour.h"

namespace tessaly {

// The N colours of the ramp, the first piece's colour first. N below 1 gives
// no colours. The divisor of each step is N, so the end colour itself is not
// reached.
std::vector<ColourRef> rampColours(ColourRef start, ColourRef end, std::int32_t count);

// One channel's value for piece t + 1 (t from 0): the start value plus the
// step times t, truncated.
int rampChannel(int startValue, int endValue, std::int32_t count, std::int32_t t);

// The ramp as runs of equal colour. A channel's value is monotonic in the
// piece number and changes at most 255 times, so a ramp over any number of
// pieces has at most 766 runs; they are found by bisection.
class RampRuns {
 public:
  struct Run {
    std::int32_t first;  // index of the first piece (from 0) in this colour
    ColourRef colour;
  };

  RampRuns(ColourRef start, ColourRef end, std::int32_t count);

  // In piece order; the first run starts at 0. Empty when count is below 1.
  const std::vector<Run>& runs() const { return runs_; }

 private:
  std::vector<Run> runs_;
};

}  // namespace tessaly
