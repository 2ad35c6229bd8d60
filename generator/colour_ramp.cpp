#include "generator/colour_ramp.h"

#include <algorithm>
#include <array>
#include <bit>

namespace tessaly {
namespace {

using Wide = unsigned __int128;

int bitWidth(Wide value) {
  const auto high = static_cast<std::uint64_t>(value >> 64);
  if (high != 0) return 128 - std::countl_zero(high);
  return 64 - std::countl_zero(static_cast<std::uint64_t>(value));
}

// A finite binary value: (-1)^negative * mantissa * 2^exponent.
struct Binary {
  bool negative = false;
  Wide mantissa = 0;
  int exponent = 0;
};

// Rounds to `bits` significant bits, to nearest, ties to even. `inexact` tells
// that the true value lies strictly above the mantissa (bits already cut off).
Binary roundTo(Binary value, int bits, bool inexact = false) {
  const int width = bitWidth(value.mantissa);
  if (width <= bits) return value;  // callers pass `inexact` only with wider values
  const int drop = width - bits;
  const Wide dropped = value.mantissa & ((Wide{1} << drop) - 1);
  const Wide half = Wide{1} << (drop - 1);
  Wide kept = value.mantissa >> drop;
  if (dropped > half || (dropped == half && (inexact || (kept & 1)))) ++kept;
  value.exponent += drop;
  if (bitWidth(kept) > bits) {  // rounding carried into a new top bit
    kept >>= 1;
    ++value.exponent;
  }
  value.mantissa = kept;
  return value;
}

// One x87 operation at 64-bit precision whose result is stored as a double.
Binary storedAsDouble(Binary exact, bool inexact = false) {
  return roundTo(roundTo(exact, 64, inexact), 53);
}

// (endValue - startValue) / count.
Binary stepOf(int startValue, int endValue, std::int32_t count) {
  const int difference = endValue - startValue;
  Binary quotient;
  if (difference == 0) return quotient;
  quotient.negative = difference < 0;
  // |difference| < 2^8 and count < 2^31: a shift of 100 leaves at least 69
  // quotient bits, more than the 64 kept, with the remainder as sticky bit.
  constexpr int kShift = 100;
  const Wide scaled = Wide(static_cast<unsigned>(difference < 0 ? -difference : difference))
                      << kShift;
  const auto divisor = static_cast<Wide>(count);
  quotient.mantissa = scaled / divisor;
  quotient.exponent = -kShift;
  return storedAsDouble(quotient, scaled % divisor != 0);
}

// The channel value start + step * t, truncated towards zero.
int channelValue(int startValue, const Binary& step, std::int32_t t) {
  if (step.mantissa == 0 || t == 0) return startValue;
  // step * t: at most 53 + 31 bits, exact before rounding.
  Binary product = step;
  product.mantissa *= static_cast<Wide>(t);
  product = storedAsDouble(product);

  // start + product, aligned on the product's exponent. The product is below
  // 2^8 in magnitude with 53 significant bits, so its exponent lies below 0
  // and above -120; the aligned start stays below 2^128.
  const int shift = -product.exponent;
  const Wide aligned = Wide(static_cast<unsigned>(startValue)) << shift;
  Binary sum;
  sum.exponent = product.exponent;
  if (!product.negative) {
    sum.mantissa = aligned + product.mantissa;
  } else if (aligned >= product.mantissa) {
    sum.mantissa = aligned - product.mantissa;
  } else {
    sum.negative = true;
    sum.mantissa = product.mantissa - aligned;
  }
  sum = storedAsDouble(sum);

  const Wide whole =
      sum.exponent >= 0 ? sum.mantissa << sum.exponent : sum.mantissa >> -sum.exponent;
  const int magnitude = whole > 255 ? 255 : static_cast<int>(whole);
  // The sum lies between the start and end values by construction.
  return std::clamp(sum.negative ? -magnitude : magnitude, 0, 255);
}

// One channel's values over the ramp as (first piece, value) change points.
struct ChannelRamp {
  int startValue;
  Binary step;

  int at(std::int32_t t) const { return channelValue(startValue, step, t); }

  // Appends the points in (lo, hi] where the value changes; at(lo) == atLo.
  void changes(std::int32_t lo, std::int32_t hi, int atLo, int atHi,
               std::vector<RampRuns::Run>& out) const {
    if (atLo == atHi) return;  // monotonic: constant in between
    if (hi - lo == 1) {
      out.push_back({hi, static_cast<ColourRef>(atHi)});
      return;
    }
    const std::int32_t mid = lo + (hi - lo) / 2;
    const int atMid = at(mid);
    changes(lo, mid, atLo, atMid, out);
    changes(mid, hi, atMid, atHi, out);
  }
};

}  // namespace

int rampChannel(int startValue, int endValue, std::int32_t count, std::int32_t t) {
  return channelValue(startValue, stepOf(startValue, endValue, count), t);
}

RampRuns::RampRuns(ColourRef start, ColourRef end, std::int32_t count) {
  if (count < 1) return;
  const std::array<int, 3> starts = {redOf(start), greenOf(start), blueOf(start)};
  const std::array<int, 3> ends = {redOf(end), greenOf(end), blueOf(end)};

  // Change points of each channel, in piece order; the colour field holds the
  // channel's new value.
  std::array<std::vector<Run>, 3> points;
  for (int c = 0; c < 3; ++c) {
    const ChannelRamp ramp{starts[c], stepOf(starts[c], ends[c], count)};
    const std::int32_t last = count - 1;
    if (last > 0) ramp.changes(0, last, starts[c], ramp.at(last), points[c]);
  }

  // Merge the three lists into runs of whole colours.
  std::array<int, 3> value = starts;
  std::array<std::size_t, 3> next = {0, 0, 0};
  runs_.push_back({0, rgb(value[0], value[1], value[2])});
  for (;;) {
    std::int32_t first = count;
    for (int c = 0; c < 3; ++c)
      if (next[c] < points[c].size()) first = std::min(first, points[c][next[c]].first);
    if (first == count) break;
    for (int c = 0; c < 3; ++c) {
      if (next[c] < points[c].size() && points[c][next[c]].first == first) {
        value[c] = static_cast<int>(points[c][next[c]].colour);
        ++next[c];
      }
    }
    runs_.push_back({first, rgb(value[0], value[1], value[2])});
  }
}

std::vector<ColourRef> rampColours(ColourRef start, ColourRef end, std::int32_t count) {
  std::vector<ColourRef> colours;
  if (count < 1) return colours;
  colours.reserve(static_cast<std::size_t>(count));
  const RampRuns ramp(start, end, count);
  const auto& runs = ramp.runs();
  for (std::size_t r = 0; r < runs.size(); ++r) {
    const std::int32_t stop = r + 1 < runs.size() ? runs[r + 1].first : count;
    colours.insert(colours.end(), static_cast<std::size_t>(stop - runs[r].first), runs[r].colour);
  }
  return colours;
}

}  // namespace tessaly
