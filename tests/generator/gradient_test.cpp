#include "generator/gradient.h"

#include <gtest/gtest.h>

#include <string>

#include "generator/colour_ramp.h"
#include "generator/display_chars.h"
#include "generator/forum_code.h"

namespace tessaly {
namespace {

constexpr std::string_view kWorkedText =
    "A\xD6\xD0"
    "B";  // A中B
constexpr std::string_view kWorkedCode =
    "[color=#0080FF]A[/color][color=#5580AA]\xD6\xD0[/color][color=#AA8055]B[/color]";

TEST(GenerateGradient, WorkedExampleByteForByte) {
  const GradientResult result =
      generateGradient(kWorkedText, rgb(0, 0x80, 0xFF), rgb(0xFF, 0x80, 0));
  EXPECT_EQ(result.code.view(), kWorkedCode);
  EXPECT_EQ(result.code.size(), 73u);
  EXPECT_EQ(result.code.c_str()[73], '\0');
  ASSERT_EQ(result.pieces.size(), 3u);
  EXPECT_EQ(result.pieces[0].view(), "A");
  EXPECT_EQ(result.pieces[1].view(), "\xD6\xD0");
  EXPECT_EQ(result.pieces[2].view(), "B");
  EXPECT_EQ(result.pieces[0].colour, rgb(0x00, 0x80, 0xFF));
  EXPECT_EQ(result.pieces[1].colour, rgb(0x55, 0x80, 0xAA));
  EXPECT_EQ(result.pieces[2].colour, rgb(0xAA, 0x80, 0x55));
}

TEST(GenerateGradient, EmptyTextGivesNothing) {
  for (const std::string_view text : {std::string_view(), std::string_view("\0abc", 4)}) {
    const GradientResult result = generateGradient(text, 0, 0xFFFFFF);
    EXPECT_TRUE(result.pieces.empty());
    EXPECT_EQ(result.code.view(), "");
    EXPECT_STREQ(result.code.c_str(), "");
  }
}

TEST(GenerateGradient, OnePieceIsInTheStartColour) {
  const GradientResult result = generateGradient("x", 0xFF0A0B0Cu, 0xFFFFFF);
  ASSERT_EQ(result.pieces.size(), 1u);
  EXPECT_EQ(result.code.view(), "[color=#0C0B0A]x[/color]");
}

TEST(GenerateGradient, CodeStopsAtTheFirstNul) {
  const GradientResult result = generateGradient(std::string_view("ab\0c", 4), 0, 0);
  EXPECT_EQ(result.code.view(), "[color=#000000]a[/color][color=#000000]b[/color]");
}

// Texts that exercise the cutting rule, line breaks, brackets and long ramps.
std::string longMixedText(std::size_t pieces) {
  std::string text;
  const std::string_view parts[] = {"\xD6\xD0", "a", "\r", "\n", "\xCE\xC4", " ", "[", "Z"};
  for (std::size_t i = 0; text.size() < pieces; ++i) text += parts[(i * 7) % 8];
  return text;
}

struct InvariantCase {
  const char* name;
  std::string text;
  ColourRef start, end;
};

class GradientInvariants : public testing::TestWithParam<InvariantCase> {};

TEST_P(GradientInvariants, Hold) {
  const InvariantCase& c = GetParam();
  const GradientResult result = generateGradient(c.text, c.start, c.end);
  const auto chars = splitDisplayChars(c.text);
  ASSERT_EQ(result.pieces.size(), chars.size());

  std::string joined, fragments;
  const auto colours = rampColours(c.start, c.end, static_cast<std::int32_t>(chars.size()));
  for (std::size_t i = 0; i < result.pieces.size(); ++i) {
    const GradientPiece& piece = result.pieces[i];
    ASSERT_EQ(piece.view(), chars[i]) << "piece " << i;
    ASSERT_EQ(piece.colour, colours[i]) << "piece " << i;
    ASSERT_EQ(piece.text[piece.size()], '\0');
    if (piece.size() == 2) {
      ASSERT_TRUE(opensPair(piece.text[0]));
    }
    if (piece.size() == 1 && opensPair(piece.text[0])) {
      ASSERT_EQ(i + 1, result.pieces.size());
    }
    joined += piece.view();
    fragments += codeFragment(piece).view();
  }
  EXPECT_EQ(joined, c.text);
  EXPECT_EQ(result.code.view(), fragments);
  EXPECT_EQ(result.code.size(), kTagBytes * result.pieces.size() + c.text.size());
  if (!result.pieces.empty()) {
    EXPECT_EQ(result.pieces[0].colour, c.start & 0xFFFFFFu);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GradientInvariants,
    testing::Values(
        InvariantCase{"worked", std::string(kWorkedText), rgb(0, 0x80, 0xFF), rgb(0xFF, 0x80, 0)},
        InvariantCase{"crlf_between_letters", "a\r\nb", 0, 0xFFFFFF},
        InvariantCase{"brackets_unescaped", "[b]", rgb(9, 9, 9), rgb(9, 9, 9)},
        InvariantCase{"lone_lead_at_end", "ab\xB0", 0xFF00FF00u, 0x0000FF},
        InvariantCase{"lead_before_cr", "\xD6\x0D\x0A", 0, 0xFFFFFF},
        InvariantCase{"auto_colour_start", "abc", AutoColour, 0xFFFFFF},
        InvariantCase{"long_mixed", longMixedText(70000), rgb(255, 0, 17), rgb(0, 255, 200)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenerateGradient, EqualColoursColourEveryPieceAlike) {
  const GradientResult result = generateGradient(longMixedText(3000), rgb(1, 2, 3), rgb(1, 2, 3));
  for (const GradientPiece& piece : result.pieces) ASSERT_EQ(piece.colour, rgb(1, 2, 3));
}

}  // namespace
}  // namespace tessaly
