#include "generator/forum_code.h"

#include <gtest/gtest.h>

#include "generator/gradient.h"

namespace tessaly {
namespace {

TEST(ColourHex, TwoUpperCaseDigitsPerChannelRedFirst) {
  struct Case {
    ColourRef colour;
    const char* hex;
  };
  const Case cases[] = {
      {rgb(0x0E, 0x80, 0xFF), "0E80FF"},
      {rgb(0, 0, 0), "000000"},
      {rgb(0xFF, 0xFF, 0xFF), "FFFFFF"},
      {rgb(0x01, 0x02, 0x0A), "01020A"},
      {AutoColour, "000000"},  // top byte ignored
      {0x12ABCDEFu, "EFCDAB"},
  };
  for (const Case& c : cases) EXPECT_EQ(colourHex(c.colour), c.hex) << std::hex << c.colour;
}

TEST(CodeFragment, WrapsThePieceBytesUnchanged) {
  struct Case {
    GradientPiece piece;
    std::string_view fragment;
  };
  const Case cases[] = {
      {{{'A', 0, 0}, rgb(0x00, 0x80, 0xFF)}, "[color=#0080FF]A[/color]"},
      {{{'\xD6', '\xD0', 0}, rgb(0x55, 0x80, 0xAA)}, "[color=#5580AA]\xD6\xD0[/color]"},
      {{{'[', 0, 0}, 0}, "[color=#000000][[/color]"},
      {{{'\r', 0, 0}, 0}, "[color=#000000]\r[/color]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(codeFragment(c.piece).view(), c.fragment);
    EXPECT_EQ(codeFragment(c.piece).view().size(), kTagBytes + c.piece.size());
  }
}

}  // namespace
}  // namespace tessaly
