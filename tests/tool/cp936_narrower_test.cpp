#include "tools/cp936_narrower.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tools/gen_cli.h"
#include "tools/piece_reader.h"
#include "tools/text_encoding.h"

namespace tessaly {
namespace {

std::string utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

TEST(Cp936Narrower, GivesThePlatformConvertersBytesAndTheFirstProblem) {
  struct Case {
    std::string text;
    std::optional<std::size_t> offset;
    std::string what;
  };
  const Case cases[] = {
      {"", std::nullopt, ""},
      {utf8(u8"本工具 QQ：12345 “否”？！€\r\né"), std::nullopt, ""},
      {utf8(u8"中😀b"), 3, "can't hold"},
      {utf8(u8"a\u0301"), 1, "can't hold"},  // combining marks: not in code page 936
      {"ab\xFF", 2, "not valid UTF-8"},
      {"\xC0\x80", 0, "not valid UTF-8"},
      {"x\xED\xA0\x80", 1, "not valid UTF-8"},
      {"ab\xE4\xB8", 2, "not valid UTF-8"},
      {utf8(u8"中\u0E01"), 3, "can't hold"},  // Thai: not in code page 936
  };
  Cp936Narrower narrower;
  for (const Case& c : cases) {
    std::string out, what;
    const auto offset = narrower.narrow(c.text, out, what);
    EXPECT_EQ(offset, c.offset) << c.text;
    if (offset) {
      EXPECT_NE(what.find(c.what), std::string::npos) << what;
    } else {
      const Conversion expected = utf8ToCp936(c.text);
      ASSERT_FALSE(expected.error);
      EXPECT_EQ(out, expected.bytes);
    }
  }
}

TEST(WholeUtf8Prefix, LeavesASequenceCutShortForTheNextChunk) {
  const std::string text = utf8(u8"a中😀");  // 1 + 3 + 4 bytes
  const std::size_t expected[] = {0, 1, 1, 1, 4, 4, 4, 4, 8};
  for (std::size_t size = 0; size <= text.size(); ++size)
    EXPECT_EQ(wholeUtf8Prefix(std::string_view(text).substr(0, size)), expected[size]) << size;
  EXPECT_EQ(wholeUtf8Prefix("ab\x80\x80\x80\x80"), 6u);  // no lead in sight: the converter judges
}

TEST(EuroSign, PairsWithTheNextByteAsInTheWindow) {
  std::istringstream in(utf8(u8"€a中"));
  std::ostringstream out, err;
  EXPECT_EQ(runTessalyGen({}, {in, out, err}), 0);
  EXPECT_EQ(out.str(), utf8(u8"[color=#000000]€a[/color][color=#7F7F7F]中[/color]"));
  // A euro sign before a Chinese character pairs into no character.
  std::istringstream bad(utf8(u8"x€中"));
  std::ostringstream none, message;
  EXPECT_EQ(runTessalyGen({}, {bad, none, message}), kExitBadInput);
  EXPECT_EQ(none.str(), "");
  EXPECT_NE(message.str().find("character 2 of the text pairs with the next byte"),
            std::string::npos)
      << message.str();
}

}  // namespace
}  // namespace tessaly
