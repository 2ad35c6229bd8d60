// The 25 skins as the build made them.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "skin/format/skin_format.h"

namespace tessaly::skin {
namespace {

std::string builtSkin(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "/skin-%02d.she", number);
  std::ifstream in(std::string(TESSALY_SKIN_DIR) + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(BuiltSkins, AllTwentyFiveParseWithDistinctNamesAndLooks) {
  std::set<std::string> names;
  std::set<std::pair<Colour, Colour>> looks;
  for (int number = 1; number <= 25; ++number) {
    const std::string file = builtSkin(number);
    ASSERT_FALSE(file.empty()) << "skin " << number << " missing";
    EXPECT_EQ(file.substr(0, 6), std::string(".SHE\x00\x03", 6)) << number;
    const ParsedSkin parsed = parseSkin(file);
    ASSERT_TRUE(parsed.skin) << "skin " << number << ": " << describe(parsed.error);
    names.insert(parsed.skin->name);
    looks.insert({parsed.skin->windowFace, parsed.skin->caption});
  }
  EXPECT_EQ(names.size(), 25u);
  EXPECT_EQ(looks.size(), 25u);
}

// The program's labels keep black, red, blue and green texts on the skin's
// faces: every face must stay light enough to read them on.
TEST(BuiltSkins, FacesAreLightEnoughForTheProgramsTexts) {
  const auto luminance = [](Colour c) {
    return 0.2126 * (c & 0xFF) + 0.7152 * ((c >> 8) & 0xFF) + 0.0722 * ((c >> 16) & 0xFF);
  };
  for (int number = 1; number <= 25; ++number) {
    const auto skin = parseSkin(builtSkin(number)).skin;
    ASSERT_TRUE(skin) << number;
    EXPECT_GT(luminance(skin->windowFace), 180) << skin->name;
    EXPECT_GT(luminance(skin->containerFace), 180) << skin->name;
  }
}

}  // namespace
}  // namespace tessaly::skin
