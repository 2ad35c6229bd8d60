#include "generator/stop_ramp.h"

#include <array>

#include "generator/hsv.h"

namespace tessaly {
namespace {

// Places times divisors: below 10000 * 2^32 < 2^46, so a channel difference
// (below 2^8) times one stays below 2^54, well inside 64 bits.
using Wide = std::int64_t;

// floor(a + (b - a) * num / den) for 0 <= num <= den.
int channelAt(int a, int b, Wide num, Wide den) {
  if (b >= a) return a + static_cast<int>(Wide(b - a) * num / den);
  const Wide down = Wide(a - b) * num;
  return a - static_cast<int>((down + den - 1) / den);
}

}  // namespace

bool usesExactRamp(const GradientStyle& style) {
  if (style.stops.size() != 2 || style.reachEnd || style.blend != Blend::Rgb) return false;
  const int first = style.stops[0].position, last = style.stops[1].position;
  return (first == kUnplaced || first == 0) && (last == kUnplaced || last == kRampEnd);
}

std::vector<int> placeStops(const std::vector<ColourStop>& stops, std::string& error) {
  if (stops.size() < 2) {
    error = "a ramp needs at least two colour stops";
    return {};
  }
  std::vector<int> places;
  for (const ColourStop& stop : stops) {
    if (stop.position != kUnplaced && (stop.position < 0 || stop.position > kRampEnd)) {
      error = "a stop's place must lie from 0 to 100";
      return {};
    }
    places.push_back(stop.position);
  }
  if (places.front() == kUnplaced) places.front() = 0;
  if (places.back() == kUnplaced) places.back() = kRampEnd;
  for (std::size_t i = 1; i < places.size(); ++i) {
    if (places[i] != kUnplaced && places[i] < places[i - 1] && places[i - 1] != kUnplaced) {
      error = "stop " + std::to_string(i + 1) + " lies before stop " + std::to_string(i);
      return {};
    }
    if (places[i] != kUnplaced) continue;
    std::size_t next = i + 1;
    while (places[next] == kUnplaced) ++next;  // the last place is set
    const int from = places[i - 1], to = places[next];
    if (to < from) {
      error = "stop " + std::to_string(next + 1) + " lies before stop " + std::to_string(i);
      return {};
    }
    // Integer places: stop k of the gap at from + (to - from) * k / gap.
    const auto gap = static_cast<int>(next - (i - 1));
    for (std::size_t k = i; k < next; ++k)
      places[k] = from + (to - from) * static_cast<int>(k - (i - 1)) / gap;
    i = next - 1;
  }
  return places;
}

StopRamp::StopRamp(const GradientStyle& style, std::uint32_t steps)
    : stops_(style.stops),
      blend_(style.blend),
      divisor_(style.reachEnd ? (steps > 1 ? steps - 1 : 1) : steps),
      exact_(usesExactRamp(style)),
      runs_(exact_ ? style.stops[0].colour : 0, exact_ ? style.stops[1].colour : 0,
            exact_ ? static_cast<std::int32_t>(steps) : 0) {
  std::string ignored;
  places_ = placeStops(stops_, ignored);
}

ColourRef StopRamp::colourOutsideRun(std::uint32_t t) {
  if (!exact_) {
    // One step at a time: the colour is computed for each step once.
    runFirst_ = t;
    runEnd_ = t + 1;
    runColour_ = computed(t);
    return runColour_;
  }
  const auto& runs = runs_.runs();
  const auto step = static_cast<std::int32_t>(t);
  if (step < runs[run_].first) run_ = 0;
  while (run_ + 1 < runs.size() && runs[run_ + 1].first <= step) ++run_;
  runFirst_ = static_cast<std::uint32_t>(runs[run_].first);
  runEnd_ = run_ + 1 < runs.size() ? static_cast<std::uint32_t>(runs[run_ + 1].first) : UINT32_MAX;
  runColour_ = runs[run_].colour;
  return runColour_;
}

ColourRef StopRamp::computed(std::uint32_t t) const {
  // u = t / divisor_ and a place p stands for p / 10000: compare t * 10000
  // with p * divisor_.
  const Wide at = Wide(t) * kRampEnd;
  const auto scaled = [&](std::size_t j) { return Wide(places_[j]) * Wide(divisor_); };
  const std::size_t last = places_.size() - 1;
  if (at < scaled(0)) return stops_[0].colour & 0xFFFFFF;
  if (at >= scaled(last)) return stops_[last].colour & 0xFFFFFF;
  std::size_t j = 0;
  while (!(scaled(j) <= at && at < scaled(j + 1))) ++j;
  const ColourRef a = stops_[j].colour, b = stops_[j + 1].colour;
  const Wide num = at - scaled(j), den = scaled(j + 1) - scaled(j);
  if (blend_ != Blend::Rgb)
    return blendHsv(a, b, static_cast<double>(num) / static_cast<double>(den), blend_);
  return rgb(static_cast<std::uint8_t>(channelAt(redOf(a), redOf(b), num, den)),
             static_cast<std::uint8_t>(channelAt(greenOf(a), greenOf(b), num, den)),
             static_cast<std::uint8_t>(channelAt(blueOf(a), blueOf(b), num, den)));
}

}  // namespace tessaly
