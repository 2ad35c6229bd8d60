#include "generator/stop_ramp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/code_writer.h"
#include "generator/gradient.h"
#include "generator/hsv.h"
#include "generator/forum_code.h"
#include "generator/presets.h"

namespace tessaly {
namespace {

GradientStyle stopsStyle(std::vector<ColourStop> stops, bool reachEnd = false,
                         Blend blend = Blend::Rgb) {
  GradientStyle style;
  style.stops = std::move(stops);
  style.reachEnd = reachEnd;
  style.blend = blend;
  return style;
}

std::vector<ColourRef> coloursOf(GradientStyle style, std::uint32_t steps) {
  StopRamp ramp(style, steps);
  std::vector<ColourRef> colours;
  for (std::uint32_t t = 0; t < steps; ++t) colours.push_back(ramp.colourOf(t));
  return colours;
}

TEST(StyledCode, TwoStopsGiveTheWindowsCodeByteForByte) {
  struct Case {
    std::string text;
    ColourRef from, to;
  };
  const std::string longText(5000, 'x');
  const Case cases[] = {
      {"A\xD6\xD0"
       "B",
       rgb(0, 0x80, 0xFF), rgb(0xFF, 0x80, 0)},
      {std::string(22, 'a'), rgb(0, 0, 0), rgb(30, 0, 0)},  // the double-rounded step
      {"a\r\n b \xA1\xA1[b]", rgb(255, 255, 255), rgb(0, 0, 0)},
      {"x\xFF", AutoColour, 0x7F123456},  // bits 24-31 ignored, lone lead byte
      {longText, rgb(255, 0, 0), rgb(0, 0, 255)},
  };
  for (const Case& c : cases) {
    const std::string expected(generateGradient(c.text, c.from, c.to).code.view());
    for (const auto& stops :
         std::vector<std::vector<ColourStop>>{{{c.from}, {c.to}}, {{c.from, 0}, {c.to, kRampEnd}}})
      EXPECT_EQ(styledCode(c.text, stopsStyle(stops)), expected) << c.text.substr(0, 20);
  }
}

TEST(StopRamp, EndsAndPlacedStopsTakeTheirColoursExactly) {
  const ColourRef red = rgb(255, 0, 0), green = rgb(0, 255, 0), blue = rgb(0, 0, 255);
  for (const Blend blend : {Blend::Rgb, Blend::HsvShort, Blend::HsvLong}) {
    for (const std::uint32_t steps : {1u, 2u, 5u, 9u, 101u, 1000u}) {
      const auto open = coloursOf(stopsStyle({{red}, {green}, {blue}}, false, blend), steps);
      EXPECT_EQ(open.front(), red);
      const auto closed = coloursOf(stopsStyle({{red}, {green}, {blue}}, true, blend), steps);
      EXPECT_EQ(closed.front(), red);
      if (steps > 1) {
        EXPECT_EQ(closed.back(), blue) << steps;
      }
      // The middle stop sits at u = 1/2: step (steps - 1) / 2 for odd counts.
      if (steps % 2 == 1 && steps > 1) {
        EXPECT_EQ(closed[(steps - 1) / 2], green) << steps;
      }
    }
  }
}

TEST(StopRamp, ReachEndDividesByOneStepFewer) {
  const auto style = stopsStyle({{rgb(0, 0, 0)}, {rgb(255, 255, 255)}}, true);
  EXPECT_EQ(coloursOf(style, 1), std::vector<ColourRef>{rgb(0, 0, 0)});
  EXPECT_EQ(coloursOf(style, 2), (std::vector<ColourRef>{rgb(0, 0, 0), rgb(255, 255, 255)}));
  // 0 to 30 over 22 steps: exact fractions, 30 reached (the window's ramp ends at 28).
  const auto ramp = coloursOf(stopsStyle({{rgb(0, 0, 0)}, {rgb(30, 0, 0)}}, true), 22);
  EXPECT_EQ(redOf(ramp[7]), 10);  // 30 * 7 / 21 exactly
  EXPECT_EQ(redOf(ramp.back()), 30);
}

TEST(StopRamp, RgbChannelsAreFlooredExactFractionsAndMonotonicPerSegment) {
  const auto style = stopsStyle({{rgb(10, 200, 0)}, {rgb(250, 0, 7), 4000}, {rgb(0, 100, 7)}});
  const std::uint32_t steps = 997;
  const auto colours = coloursOf(style, steps);
  for (std::uint32_t t = 0; t < steps; ++t) {
    // u = t / steps; the first segment ends at 0.4.
    const bool first = t * 10000ull < 4000ull * steps;
    const auto [num, den] =
        first ? std::pair<long long, long long>(t * 10000ll, 4000ll * steps)
              : std::pair<long long, long long>(t * 10000ll - 4000ll * steps, 6000ll * steps);
    const int a = first ? 10 : 250, b = first ? 250 : 0;
    const long long scaled = (b - a) * num;
    const long long floorQuotient = scaled >= 0 ? scaled / den : -((-scaled + den - 1) / den);
    EXPECT_EQ(redOf(colours[t]), a + floorQuotient) << t;
    if (first && t > 0) {
      EXPECT_GE(redOf(colours[t]), redOf(colours[t - 1]));
    }
  }
}

TEST(PlaceStops, SpacesUnplacedStopsAndRejectsPlacesThatGoDown) {
  std::string error;
  EXPECT_EQ(placeStops({{0}, {0}, {0}}, error), (std::vector<int>{0, 5000, 10000}));
  EXPECT_EQ(placeStops({{0}, {0, 2000}, {0}, {0}, {0, 8000}, {0}}, error),
            (std::vector<int>{0, 2000, 4000, 6000, 8000, 10000}));
  EXPECT_EQ(placeStops({{0, 3000}, {0}}, error), (std::vector<int>{3000, 10000}));
  struct Bad {
    std::vector<ColourStop> stops;
    std::string message;
  };
  const Bad bad[] = {
      {{{0}}, "at least two"},
      {{{0, 6000}, {0, 5000}}, "stop 2 lies before stop 1"},
      {{{0, 6000}, {0}, {0, 5000}}, "stop 3 lies before stop 1"},
      {{{0}, {0, 10001}}, "from 0 to 100"},
  };
  for (const Bad& b : bad) {
    error.clear();
    EXPECT_TRUE(placeStops(b.stops, error).empty());
    EXPECT_NE(error.find(b.message), std::string::npos) << error;
  }
}

TEST(StopRamp, EqualPlacesMakeAHardEdge) {
  const auto style = stopsStyle(
      {{rgb(255, 0, 0)}, {rgb(255, 0, 0), 5000}, {rgb(0, 0, 255), 5000}, {rgb(0, 0, 255)}});
  const auto colours = coloursOf(style, 10);
  for (std::uint32_t t = 0; t < 10; ++t)
    EXPECT_EQ(colours[t], t < 5 ? rgb(255, 0, 0) : rgb(0, 0, 255)) << t;
}

TEST(BlendHsv, TurnsTheShortOrTheLongWayRound) {
  struct Case {
    ColourRef from, to;
    double f;
    Blend blend;
    ColourRef expected;
  };
  const Case cases[] = {
      {rgb(255, 0, 0), rgb(0, 0, 255), 0.5, Blend::HsvShort, rgb(255, 0, 255)},  // via 300°
      {rgb(255, 0, 0), rgb(0, 0, 255), 0.5, Blend::HsvLong, rgb(0, 255, 0)},     // via 120°
      {rgb(255, 0, 0), rgb(0, 255, 0), 0.5, Blend::HsvShort, rgb(255, 255, 0)},
      {rgb(255, 0, 0), rgb(0, 255, 0), 0.5, Blend::HsvLong, rgb(0, 0, 255)},
      {rgb(255, 0, 0), rgb(255, 0, 0), 0.5, Blend::HsvLong, rgb(255, 0, 0)},  // no turn
      // A grey takes the other colour's hue: white to red stays red, fading in.
      {rgb(255, 255, 255), rgb(255, 0, 0), 0.5, Blend::HsvShort, rgb(255, 128, 128)},
      {rgb(0, 0, 0), rgb(0, 0, 255), 0.5, Blend::HsvShort, rgb(64, 64, 128)},  // S and V both halve
      {rgb(18, 52, 86), rgb(200, 100, 50), 0.0, Blend::HsvShort, rgb(18, 52, 86)},
      {rgb(18, 52, 86), rgb(200, 100, 50), 1.0, Blend::HsvLong, rgb(200, 100, 50)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(colourHex(blendHsv(c.from, c.to, c.f, c.blend)), colourHex(c.expected));
}

TEST(GradientPresets, AreValidRampsWithDistinctNames) {
  ASSERT_GE(gradientPresets().size(), 5u);
  EXPECT_NE(findPreset("rainbow"), nullptr);
  EXPECT_EQ(findPreset("list"), nullptr);
  for (const GradientPreset& preset : gradientPresets()) {
    std::string error;
    EXPECT_FALSE(placeStops(preset.stops, error).empty()) << preset.name;
    EXPECT_EQ(findPreset(preset.name), &preset);
    EXPECT_FALSE(preset.description.empty());
  }
}

}  // namespace
}  // namespace tessaly
