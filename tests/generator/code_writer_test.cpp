#include "generator/code_writer.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "generator/fit_search.h"
#include "generator/forum_code.h"
#include "generator/forum_limits.h"
#include "generator/gradient.h"

namespace tessaly {
namespace {

GradientStyle blackToWhite() {
  GradientStyle style;
  style.stops = {{rgb(0, 0, 0)}, {rgb(255, 255, 255)}};
  return style;
}

// The text with every BBCode colour tag taken out.
std::string withoutTags(const std::string& code) {
  return std::regex_replace(code, std::regex(R"(\[color=#[0-9A-F]{6}\]|\[/color\])"), "");
}

std::size_t tagsIn(const std::string& code) {
  std::size_t count = 0;
  for (std::size_t at = code.find("[color="); at != std::string::npos;
       at = code.find("[color=", at + 1))
    ++count;
  return count;
}

TEST(SkipSpace, WhiteSpaceStandsOutsideTheTagsAndTakesNoStep) {
  GradientStyle style = blackToWhite();
  style.skipSpace = true;
  // The ideographic space is 0xA1 0xA1 in code page 936.
  const std::string text = "a b\r\n\tc\xA1\xA1\xD6\xD0";
  const std::string code = styledCode(text, style);
  EXPECT_EQ(code,
            "[color=#000000]a[/color] [color=#3F3F3F]b[/color]\r\n\t[color=#7F7F7F]c[/color]"
            "\xA1\xA1[color=#BFBFBF]\xD6\xD0[/color]");
  // The coloured pieces take the colours of the text without its white space.
  EXPECT_EQ(withoutTags(code), text);
  EXPECT_EQ(std::regex_replace(code, std::regex("[ \r\n\t]|\xA1\xA1"), ""),
            std::string(generateGradient("abc\xD6\xD0", 0, 0xFFFFFF).code.view()));
}

TEST(SkipSpace, AllWhiteTextHasNoTags) {
  GradientStyle style = blackToWhite();
  style.skipSpace = true;
  EXPECT_EQ(styledCode(" \r\n ", style), " \r\n ");
}

TEST(Merge, NeighboursOfOneColourShareATag) {
  GradientStyle style;
  style.stops = {{rgb(0, 0, 0)}, {rgb(0, 0, 3)}};
  style.merge = true;
  const std::string text = "abcdefgh";
  const std::string code = styledCode(text, style);
  // Blue 0, 0, 0, 1, 1, 1, 2, 2 over eight pieces (3 / 8 a step).
  EXPECT_EQ(code, "[color=#000000]abc[/color][color=#000001]def[/color][color=#000002]gh[/color]");
  EXPECT_EQ(withoutTags(code), text);
  // Equal start and end colours: one tag for the whole text; merge stays within white space.
  style.stops = {{rgb(1, 2, 3)}, {rgb(1, 2, 3)}};
  EXPECT_EQ(styledCode("a\xD6\xD0z", style), "[color=#010203]a\xD6\xD0z[/color]");
  style.skipSpace = true;
  EXPECT_EQ(styledCode("ab cd", style), "[color=#010203]ab[/color] [color=#010203]cd[/color]");
}

TEST(HtmlFormat, EscapesTheTextSoNoInputAddsMarkup) {
  GradientStyle style = blackToWhite();
  style.format = CodeFormat::Html;
  EXPECT_EQ(styledCode("<&>\"", style),
            "<span style=\"color:#000000\">&lt;</span><span style=\"color:#3F3F3F\">&amp;</span>"
            "<span style=\"color:#7F7F7F\">&gt;</span><span style=\"color:#BFBFBF\">&quot;</span>");
  const std::string hostile = "</span><script>alert(\"x\")</script><b onclick=\"y\">&amp;";
  const std::string code = styledCode(hostile, style);
  const std::string markupFree =
      std::regex_replace(code, std::regex(R"(<span style="color:#[0-9A-F]{6}">|</span>)"), "");
  EXPECT_EQ(markupFree.find_first_of("<>\""), std::string::npos) << markupFree;
  EXPECT_EQ(std::regex_replace(
                std::regex_replace(
                    std::regex_replace(std::regex_replace(markupFree, std::regex("&lt;"), "<"),
                                       std::regex("&gt;"), ">"),
                    std::regex("&quot;"), "\""),
                std::regex("&amp;"), "&"),
            hostile);
}

TEST(FewerSteps, EachStepIsOneTagOverTheWholeText) {
  const std::string text(100, 'x');
  for (const std::uint32_t steps : {1u, 2u, 3u, 7u, 50u, 99u, 100u}) {
    GradientStyle style = blackToWhite();
    style.steps = steps;
    const std::string code = styledCode(text, style);
    EXPECT_EQ(tagsIn(code), steps);
    EXPECT_EQ(withoutTags(code), text);
    EXPECT_EQ(code.size(), text.size() + kTagBytes * steps);
    EXPECT_TRUE(code.starts_with("[color=#000000]"));
  }
  GradientStyle all = blackToWhite();
  all.steps = 100;
  EXPECT_EQ(styledCode(text, all), std::string(generateGradient(text, 0, 0xFFFFFF).code.view()));
}

TEST(CodeLength, CountsCharactersBytesAndUtf16UnitsWhereverTheCodeIsCut) {
  const std::string utf8 = "a\xE4\xB8\xAD\xF0\x9F\x98\x80";  // a中😀
  for (std::size_t cut = 0; cut <= utf8.size(); ++cut) {
    CodeLength length(TextEncoding::Utf8);
    length.add(utf8.substr(0, cut));
    length.add(utf8.substr(cut));
    EXPECT_EQ(length.in(LengthUnit::Bytes), 8u);
    EXPECT_EQ(length.in(LengthUnit::Chars), 3u);
    EXPECT_EQ(length.in(LengthUnit::Utf16Units), 4u);
  }
  const std::string cp936 = "a\xD6\xD0[\xA1\xA1";
  for (std::size_t cut = 0; cut <= cp936.size(); ++cut) {
    CodeLength length(TextEncoding::Cp936);
    length.add(cp936.substr(0, cut));
    length.add(cp936.substr(cut));
    EXPECT_EQ(length.in(LengthUnit::Chars), 4u);
    EXPECT_EQ(length.in(LengthUnit::Bytes), 6u);
  }
}

TEST(MostStepsThatFit, FindsTheLargestCountThatFitsWithOneMoreThatDoesnt) {
  for (const std::uint32_t most : {1u, 2u, 10u, 1000u, 123457u}) {
    for (const std::uint32_t best : {0u, 1u, 2u, 5u, 999u, 123456u}) {
      int calls = 0;
      const auto found = mostStepsThatFit(most, [&](std::uint32_t s) {
        ++calls;
        return s <= best;
      });
      if (best == 0) {
        EXPECT_FALSE(found);
      } else {
        ASSERT_TRUE(found);
        EXPECT_EQ(*found, std::min(best, most));
      }
      EXPECT_LE(calls, 40);
    }
  }
}

TEST(ForumLimits, EveryForumIsFoundByName) {
  for (const ForumLimit& forum : forumLimits()) {
    EXPECT_EQ(findForum(forum.name), &forum);
    EXPECT_GT(forum.limit, 0u);
  }
  EXPECT_EQ(findForum("phpbb")->limit, 60000u);
  EXPECT_EQ(findForum("discuz")->unit, LengthUnit::Bytes);
  EXPECT_EQ(findForum("nonesuch"), nullptr);
}

}  // namespace
}  // namespace tessaly
