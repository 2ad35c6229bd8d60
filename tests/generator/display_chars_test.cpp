#include "generator/display_chars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly {
namespace {

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> pieces;
};

class SplitDisplayChars : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitDisplayChars, CutsByByteValueAlone) {
  const SplitCase& c = GetParam();
  std::vector<std::string> got;
  for (const auto piece : splitDisplayChars(c.text)) got.emplace_back(piece);
  EXPECT_EQ(got, c.pieces);
  EXPECT_EQ(countDisplayChars(c.text), c.pieces.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitDisplayChars,
    testing::Values(SplitCase{"empty", "", {}}, SplitCase{"ascii", "ab", {"a", "b"}},
                    SplitCase{"worked_example",
                              "A\xD6\xD0"
                              "B",
                              {"A", "\xD6\xD0", "B"}},
                    SplitCase{"lead_then_ascii_is_a_pair", "\x80\x41", {"\x80\x41"}},
                    SplitCase{"lead_swallows_cr", "\xD6\x0D\x0A", {"\xD6\x0D", "\x0A"}},
                    SplitCase{"lone_lead_at_end", "a\xD6", {"a", "\xD6"}},
                    SplitCase{"ff_is_a_lead_byte", "\xFF\xFF\xFF", {"\xFF\xFF", "\xFF"}},
                    SplitCase{"crlf_is_two_pieces", "a\r\nb", {"a", "\r", "\n", "b"}},
                    SplitCase{"space_and_brackets", "[b] ", {"[", "b", "]", " "}},
                    SplitCase{"lead_then_lead", "\xD6\xD6\xD0", {"\xD6\xD6", "\xD0"}},
                    SplitCase{"stops_at_nul", std::string("ab\0cd", 5), {"a", "b"}},
                    SplitCase{"lead_before_nul_is_last", std::string("\xD6\0\xD0", 3), {"\xD6"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaly
