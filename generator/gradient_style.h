// How a styled generation differs from the window's own: several colour
// stops, a ramp that reaches its last colour, HSV blending, white space kept
// out of the tags, merged tags, HTML output and fewer colour steps. The
// default style is the window's gradient, byte for byte.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "generator/colour.h"

namespace tessaly {

// A stop's place on the ramp, in hundredths of a percent (0 to 10000).
inline constexpr int kUnplaced = -1;
inline constexpr int kRampEnd = 10000;

struct ColourStop {
  ColourRef colour;
  int position = kUnplaced;  // kUnplaced: spaced evenly between its placed neighbours
};

enum class Blend { Rgb, HsvShort, HsvLong };
enum class CodeFormat { BBCode, Html };

struct GradientStyle {
  std::vector<ColourStop> stops = {{0x000000}, {0xFFFFFF}};  // two or more
  bool reachEnd = false;  // the last coloured piece takes the last stop's colour
  Blend blend = Blend::Rgb;
  bool skipSpace = false;  // white space outside any tag, taking no step
  bool merge = false;      // neighbouring pieces of one colour share a tag
  CodeFormat format = CodeFormat::BBCode;
  // Colour steps over the coloured pieces; none: one step per piece. A step's
  // pieces share one tag.
  std::optional<std::uint32_t> steps;
};

// The window's ramp: two stops at the ends, RGB, the end colour not reached.
bool usesExactRamp(const GradientStyle& style);

}  // namespace tessaly
