#include "tools/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly {
namespace {

std::string utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

TEST(FindInvalidUtf8, NamesTheFirstBadByte) {
  struct Case {
    std::string text;
    std::optional<std::size_t> offset;
  };
  const Case cases[] = {
      {"", std::nullopt},
      {utf8(u8"A中B😀"), std::nullopt},
      {"ab\xFF", 2},
      {"\xC0\x80", 0},          // overlong NUL
      {"x\xE0\x80\x80", 1},     // overlong
      {"\xED\xA0\x80", 0},      // surrogate
      {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
      {"ab\xE4\xB8", 2},        // cut short
      {"\xE4\xB8"
       "A",
       0},           // broken continuation
      {"a\x80", 1},  // stray continuation
  };
  for (const Case& c : cases) EXPECT_EQ(findInvalidUtf8(c.text), c.offset) << c.text;
}

TEST(Cp936Conversion, RoundTripsChineseAndAscii) {
  const std::string text = utf8(u8"本工具是为了方便 QQ：12345 “否”？！\r\n");
  const Conversion narrow = utf8ToCp936(text);
  ASSERT_FALSE(narrow.error) << narrow.what;
  EXPECT_EQ(narrow.bytes.substr(0, 4), "\xB1\xBE\xB9\xA4");  // 本工
  const Conversion back = cp936ToUtf8(narrow.bytes);
  ASSERT_FALSE(back.error) << back.what;
  EXPECT_EQ(back.bytes, text);
}

TEST(Cp936Conversion, ReportsWhereACharacterCantBeHeld) {
  const Conversion emoji = utf8ToCp936(utf8(u8"中a😀b"));
  ASSERT_TRUE(emoji.error);
  EXPECT_EQ(*emoji.error, 4u);
  const Conversion invalid = utf8ToCp936("ok\xC3");
  ASSERT_TRUE(invalid.error);
  EXPECT_EQ(*invalid.error, 2u);
}

}  // namespace
}  // namespace tessaly
