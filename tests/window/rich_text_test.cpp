// Whole-text reading and replacing, through the real rich-edit control.
#include <richedit.h>

#include "tests/window/main_window_fixture.h"
#include "ui/stream_chunks.h"

namespace tessaly::testing {
namespace {

TEST(StreamChunkLength, NeverCutsACharacterOrALineBreak) {
  struct Case {
    std::string rest;
    std::size_t room, expected;
  };
  const Case cases[] = {
      {"abc", 8, 3},  // fits whole
      {"abcdef", 4, 4},
      {"abc\xD6\xD0x", 4, 3},  // the pair would straddle the cut
      {"ab\xD6\xD0x", 4, 4},
      {"abc\r\nx", 4, 3},              // CR kept with its LF
      {"ab\r\r\nx", 4, 2},             // CR CR LF kept whole
      {"a\xD6\r\nxy", 4, 4},           // D6 0D is one character, so the LF stands alone
      {"\r\r\r\r\r\nx", 4, 4},         // nothing but CRs: cut all the same
      {"\x80\x41\x42\x43\x44", 4, 4},  // 0x80 is no lead byte in code page 936
  };
  for (const Case& c : cases)
    EXPECT_EQ(streamChunkLength(c.rest, c.room), c.expected) << hex(c.rest) << " room " << c.room;
}

// Texts around the control's 4,096-byte stream pieces and above 1 MiB.
std::string chineseAround4096(std::size_t asciiPrefix) {
  std::string text(asciiPrefix, 'a');
  while (text.size() < 3 * 4096 + 7) text += "中文";
  return text;
}

std::string crlfAround4096(std::size_t asciiPrefix) {
  std::string text(asciiPrefix, 'b');
  while (text.size() < 3 * 4096) text += "xyz\r\n";
  return text;
}

std::string largeText() {
  std::string text;
  const std::string line = "本工具是为了方便在论坛发表炫彩的字体 ASCII [color] 12345\r\n";
  while (text.size() < (std::size_t{1} << 20) + 100) text += line;
  return text;
}

TEST_F(MainWindowTest, ReplaceThenReadGivesTheTextBack) {
  std::vector<std::string> texts = {"",       "abc",      "中",    "A中B",
                                    "a\r\nb", "\r\n\r\n", "x\r\n", "[color=#FF0000]中[/color]"};
  for (std::size_t prefix = 0; prefix < 4; ++prefix) {
    texts.push_back(chineseAround4096(prefix));
    texts.push_back(crlfAround4096(prefix));
  }
  texts.push_back(largeText());
  for (const Control box : {Control::超级编辑框1, Control::超级编辑框2}) {
    for (const std::string& text : texts) {
      replaceWholeText(box, text);
      const std::string back = readWholeText(box);
      ASSERT_EQ(back.size(), text.size())
          << "box " << static_cast<int>(box) << " " << hex(text.substr(0, 40));
      ASSERT_TRUE(back == text) << "box " << static_cast<int>(box) << " "
                                << hex(text.substr(0, 40));
    }
  }
}

TEST_F(MainWindowTest, EditableBoxKeepsLineBreaksAsTheControlDoes) {
  // A lone CR or LF is a line break there like CR LF, and reads back as CR LF.
  replaceWholeText(Control::超级编辑框1, "a\nb\rc");
  EXPECT_EQ(readWholeText(Control::超级编辑框1), "a\r\nb\r\nc");
}

TEST_F(MainWindowTest, CodeBoxGivesBackExactlyTheCodeOfSeveralLines) {
  // The code of "a", CR, LF, "中", CR, LF: each line-break byte in a tag of its own.
  const std::string code =
      "[color=#000000]a[/color][color=#2A2A2A]\r[/color][color=#555555]\n[/color]"
      "[color=#7F7F7F]中[/color][color=#AAAAAA]\r[/color][color=#D4D4D4]\n[/color]";
  replaceWholeText(Control::超级编辑框2, code);
  EXPECT_EQ(hex(readWholeText(Control::超级编辑框2)), hex(code));
  // The control itself shows each of those bytes as a line break.
  const HWND box = control(Control::超级编辑框2);
  GETTEXTLENGTHEX length{GTL_NUMCHARS, 1200};
  // One character for each byte but the two of 中.
  EXPECT_EQ(SendMessageA(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0),
            static_cast<LRESULT>(code.size() - 1));
}

TEST_F(MainWindowTest, ReplacingPutsTheCaretAtTheStart) {
  replaceWholeText(Control::超级编辑框1, "hello");
  CHARRANGE selection{-1, -1};
  SendMessageA(control(Control::超级编辑框1), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  EXPECT_EQ(selection.cpMin, 0);
  EXPECT_EQ(selection.cpMax, 0);
  replaceWholeText(Control::超级编辑框1, "");
  EXPECT_EQ(readWholeText(Control::超级编辑框1), "");
}

}  // namespace
}  // namespace tessaly::testing
