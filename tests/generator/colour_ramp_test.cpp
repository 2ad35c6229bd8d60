#include "generator/colour_ramp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tessaly {
namespace {

std::vector<int> reds(std::int32_t from, std::int32_t to, std::int32_t count) {
  std::vector<int> values;
  for (const ColourRef c : rampColours(rgb(from, 0, 0), rgb(to, 0, 0), count))
    values.push_back(redOf(c));
  return values;
}

TEST(RampColours, StepsDivideByTheCountAndTruncate) {
  struct Case {
    int from, to, count;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {255, 0, 2, {255, 127}},
      {0, 255, 3, {0, 85, 170}},
      {10, 0, 3, {10, 6, 3}},
      {7, 7, 4, {7, 7, 7, 7}},
      {0, 255, 1, {0}},
      // Double arithmetic, not exact fractions: piece 12 has 14, as 30/22*11
      // evaluates to 14.999999999999998.
      {0, 30, 22, {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 19, 20, 21, 23, 24, 25, 27, 28}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(reds(c.from, c.to, c.count), c.expected)
        << c.from << "->" << c.to << " / " << c.count;
}

TEST(RampColours, FallingChannelReachesItsEndOnlyWhenTheDifferenceIsBelowTheCount) {
  EXPECT_EQ(reds(255, 0, 300).back(), 0);
  EXPECT_EQ(reds(255, 0, 255).back(), 1);
  EXPECT_LT(reds(0, 255, 300).back(), 255);
}

TEST(RampColours, FirstIsTheStartWithTheTopByteCleared) {
  const auto colours = rampColours(0xFF123456u, 0x00ABCDEFu, 5);
  ASSERT_EQ(colours.size(), 5u);
  EXPECT_EQ(colours.front(), 0x00123456u);
  EXPECT_EQ(rampColours(0xFF123456u, 0x7FABCDEFu, 5), rampColours(0x00123456u, 0x00ABCDEFu, 5));
  for (const ColourRef c : colours) EXPECT_EQ(c >> 24, 0u);
}

TEST(RampColours, AutoColourCountsAsBlack) {
  EXPECT_EQ(rampColours(AutoColour, rgb(255, 255, 255), 9), rampColours(0, rgb(255, 255, 255), 9));
}

TEST(RampColours, NoCountNoColours) {
  EXPECT_TRUE(rampColours(0, 0xFFFFFF, 0).empty());
  EXPECT_TRUE(rampColours(0, 0xFFFFFF, -3).empty());
}

// The runs are found by bisection; every piece's colour must equal the direct
// evaluation of its channels, for small and large counts and every direction.
TEST(RampRuns, AgreeWithDirectEvaluationOfEveryPiece) {
  struct Case {
    ColourRef start, end;
    std::int32_t count;
  };
  const Case cases[] = {
      {rgb(0, 128, 255), rgb(255, 128, 0), 3},       {rgb(0, 0, 0), rgb(255, 255, 255), 256},
      {rgb(255, 0, 9), rgb(0, 255, 200), 1000},      {rgb(12, 200, 77), rgb(13, 199, 77), 50001},
      {rgb(0, 255, 0), rgb(255, 0, 255), 2051 * 37}, {rgb(3, 3, 3), rgb(3, 3, 3), 17},
  };
  for (const Case& c : cases) {
    const auto colours = rampColours(c.start, c.end, c.count);
    ASSERT_EQ(colours.size(), static_cast<std::size_t>(c.count));
    for (std::int32_t t = 0; t < c.count; ++t) {
      const ColourRef expected = rgb(rampChannel(redOf(c.start), redOf(c.end), c.count, t),
                                     rampChannel(greenOf(c.start), greenOf(c.end), c.count, t),
                                     rampChannel(blueOf(c.start), blueOf(c.end), c.count, t));
      ASSERT_EQ(colours[t], expected) << "count " << c.count << " piece " << t + 1;
    }
  }
}

// For counts up to 2,048 the ramp equals plain double arithmetic.
TEST(RampChannel, MatchesPlainDoublesUpTo2048Pieces) {
  for (int count : {1, 2, 3, 7, 22, 100, 255, 256, 300, 1000, 2047, 2048}) {
    for (int from : {0, 1, 10, 128, 254, 255}) {
      for (int to : {0, 3, 30, 127, 200, 255}) {
        const double step = static_cast<double>(to - from) / count;
        for (int t = 0; t < count; ++t) {
          const int plain = static_cast<int>(static_cast<double>(from) + step * t);
          ASSERT_EQ(rampChannel(from, to, count, t), plain)
              << from << "->" << to << " / " << count << " t " << t;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessaly
