// The colour of each step on a ramp through several colour stops.
//
// Step t of S sits at u = t / S on the ramp (u = t / (S - 1) with reachEnd;
// a single step sits at 0). Before the first stop's place u takes the first
// colour, at or past the last stop's place the last colour; otherwise it lies
// in the one segment j with p(j) <= u < p(j+1), at the fraction
// f = (u - p(j)) / (p(j+1) - p(j)). In RGB each channel is
// floor(a + (b - a) * f), computed exactly in integers. In HSV see hsv.h.
// The window's two-stop ramp (usesExactRamp) is the exact double-rounded ramp
// of colour_ramp.h instead.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "generator/colour_ramp.h"
#include "generator/gradient_style.h"

namespace tessaly {

// Places every stop: an unplaced first stop at 0, an unplaced last stop at
// 10000, the others evenly between their placed neighbours. Empty when the
// stops are fewer than two or a place goes down or out of range; `error` says
// why.
std::vector<int> placeStops(const std::vector<ColourStop>& stops, std::string& error);

class StopRamp {
 public:
  // `stops` must be valid for placeStops; `steps` at least 1.
  StopRamp(const GradientStyle& style, std::uint32_t steps);

  // The colour of step t (0 <= t < steps). Fastest when t never goes down.
  ColourRef colourOf(std::uint32_t t) {
    // Within the current run of equal colour: the usual case, kept inline.
    if (t >= runFirst_ && t < runEnd_) return runColour_;
    return colourOutsideRun(t);
  }

 private:
  ColourRef colourOutsideRun(std::uint32_t t);
  ColourRef computed(std::uint32_t t) const;

  std::vector<ColourStop> stops_;
  std::vector<int> places_;
  Blend blend_;
  std::uint64_t divisor_;  // u = t / divisor_
  bool exact_;
  RampRuns runs_;
  std::size_t run_ = 0;
  // Steps from runFirst_ up to runEnd_ (exclusive) all take runColour_.
  std::uint32_t runFirst_ = 1, runEnd_ = 0;
  ColourRef runColour_ = 0;
};

}  // namespace tessaly
