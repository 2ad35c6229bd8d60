#include "tools/colour_arg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/colour.h"
#include "generator/palette.h"
#include "tools/text_encoding.h"

namespace tessaly {
namespace {

std::string utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

TEST(ColourArg, AcceptsHexPaletteNamesAndTransparent) {
  struct Case {
    std::string arg;
    std::uint32_t colour;
  };
  const Case cases[] = {
      {"#0080FF", rgb(0x00, 0x80, 0xFF)},      {"0080ff", rgb(0x00, 0x80, 0xFF)},
      {"#aBcDeF", rgb(0xAB, 0xCD, 0xEF)},      {"000000", 0},
      {utf8(u8"红色"), rgb(0xFF, 0, 0)},       {utf8(u8"天蓝"), rgb(0x00, 0x88, 0xFF)},
      {utf8(u8"深灰"), rgb(0x60, 0x60, 0x60)}, {utf8(u8"透明"), AutoColour},
  };
  for (const Case& c : cases) {
    const auto colour = parseColourArg(c.arg);
    ASSERT_TRUE(colour.has_value()) << c.arg;
    EXPECT_EQ(*colour, c.colour) << c.arg;
  }
}

TEST(ColourArg, RejectsAnythingElse) {
  for (const std::string& arg :
       std::vector<std::string>{"", "#", "#12345", "1234567", "#GG0000", "0x1234", "red", "# 12345",
                                utf8(u8"红"), utf8(u8"红色 "), std::string("\xFF")})
    EXPECT_FALSE(parseColourArg(arg).has_value()) << arg;
}

TEST(ColourArg, EveryPaletteNameIsAccepted) {
  for (const PaletteEntry& entry : kPalette) {
    const Conversion name = cp936ToUtf8(entry.name);
    ASSERT_FALSE(name.error);
    EXPECT_EQ(parseColourArg(name.bytes), entry.colour) << name.bytes;
  }
}

}  // namespace
}  // namespace tessaly
