// The ramp rounds every operation to a 64-bit significand and then to a
// double. Beyond 2,048 pieces that differs from plain double arithmetic in
// some channel values. The rows below were found and computed with exact
// rational arithmetic by scripts/find_ramp_cases.py, independently of the
// generator's integer implementation.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <vector>

#include "generator/colour_ramp.h"
#include "generator/gradient.h"

namespace tessaly {
namespace {

struct ExtendedCase {
  int from, to;
  std::int32_t count, t;
  int value;       // 64-bit significand, then double
  int plainValue;  // plain double arithmetic
};

const ExtendedCase kCases[] = {
    {230, 0, 4102, 2051, 114, 115}, {0, 230, 4102, 2051, 115, 114}, {164, 0, 4134, 2067, 82, 81},
    {82, 0, 4134, 2067, 41, 40},    {0, 82, 4134, 2067, 40, 41},    {0, 164, 4134, 2067, 81, 82},
    {178, 0, 4278, 2139, 88, 89},   {0, 178, 4278, 2139, 89, 88},   {184, 0, 4414, 2207, 92, 91},
    {92, 0, 4414, 2207, 46, 45},    {46, 0, 4414, 2207, 23, 22},    {0, 46, 4414, 2207, 22, 23},
    {0, 92, 4414, 2207, 45, 46},    {0, 184, 4414, 2207, 91, 92},   {246, 0, 4886, 2443, 123, 122},
    {0, 246, 4886, 2443, 122, 123},
};

int plainDouble(const ExtendedCase& c) {
  const double step = static_cast<double>(c.to - c.from) / c.count;
  return static_cast<int>(static_cast<double>(c.from) + step * c.t);
}

TEST(ExtendedPrecision, ChannelValuesFollowTheDoubleRounding) {
  for (const ExtendedCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.from << "->" << c.to << " / " << c.count << " t " << c.t);
    EXPECT_EQ(rampChannel(c.from, c.to, c.count, c.t), c.value);
    // The case tells the two kinds of arithmetic apart on this machine.
    EXPECT_EQ(plainDouble(c), c.plainValue);
    EXPECT_NE(c.value, c.plainValue);
  }
}

TEST(ExtendedPrecision, WholeRampsCarryTheValues) {
  for (const ExtendedCase& c : kCases) {
    const auto colours = rampColours(rgb(c.from, 0, 0), rgb(c.to, 0, 0), c.count);
    EXPECT_EQ(redOf(colours.at(c.t)), c.value) << c.from << "->" << c.to << " / " << c.count;
  }
}

#if defined(__x86_64__) || defined(__i386__)
// What another library might leave behind in the floating-point unit.
class FloatingPointState {
 public:
  FloatingPointState() {
    asm volatile("fnstcw %0" : "=m"(x87_));
    rounding_ = std::fegetround();
  }
  ~FloatingPointState() {
    asm volatile("fldcw %0" : : "m"(x87_));
    std::fesetround(rounding_);
  }
  static void setX87Precision(unsigned bits) {  // 0: 24 bits, 2: 53 bits, 3: 64 bits
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word));
    word = static_cast<std::uint16_t>((word & ~0x300u) | (bits << 8));
    asm volatile("fldcw %0" : : "m"(word));
  }

 private:
  std::uint16_t x87_ = 0;
  int rounding_ = 0;
};

TEST(ExtendedPrecision, ResultsDoNotDependOnTheFloatingPointUnit) {
  std::vector<std::vector<ColourRef>> reference;
  for (const ExtendedCase& c : kCases)
    reference.push_back(rampColours(rgb(c.from, 7, 250), rgb(c.to, 200, 1), c.count));
  const auto code = generateGradient(
                        "A\xD6\xD0"
                        "B",
                        rgb(0, 0x80, 0xFF), rgb(0xFF, 0x80, 0))
                        .code;
  const std::string expectedCode(code.view());

  for (const unsigned precision : {0u, 2u, 3u}) {
    for (const int rounding : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
      const FloatingPointState restore;
      FloatingPointState::setX87Precision(precision);
      std::fesetround(rounding);
      for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const ExtendedCase& c = kCases[i];
        const auto colours = rampColours(rgb(c.from, 7, 250), rgb(c.to, 200, 1), c.count);
        ASSERT_EQ(colours, reference[i]) << "precision " << precision << " rounding " << rounding;
      }
      EXPECT_EQ(generateGradient("A\xD6\xD0"
                                 "B",
                                 rgb(0, 0x80, 0xFF), rgb(0xFF, 0x80, 0))
                    .code.view(),
                expectedCode);
    }
  }
}
#endif

}  // namespace
}  // namespace tessaly
