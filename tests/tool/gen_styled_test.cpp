// tessaly-gen's options beyond the window's gradient, and its streaming.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "generator/code_writer.h"
#include "generator/grapheme_cutter.h"
#include "generator/gradient.h"
#include "tools/gen_cli.h"
#include "tools/text_encoding.h"

namespace tessaly {
namespace {

std::string utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

struct ToolRun {
  int exitCode;
  std::string out, err;
};

ToolRun run(std::vector<std::string> args, const std::string& input = "",
            std::size_t chunkBytes = std::size_t{1} << 20) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = runTessalyGen(args, {in, out, err, chunkBytes});
  return {code, out.str(), err.str()};
}

// A pipe: no seeking, so the tool has to keep a copy of its own.
class PipeBuffer : public std::streambuf {
 public:
  explicit PipeBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
  }

 private:
  std::string bytes_;
};

std::string toUtf8(std::string_view cp936) {
  const Conversion converted = cp936ToUtf8(cp936);
  EXPECT_FALSE(converted.error) << converted.what;
  return converted.bytes;
}

std::string toCp936(const std::string& text) {
  const Conversion converted = utf8ToCp936(text);
  EXPECT_FALSE(converted.error) << converted.what;
  return converted.bytes;
}

// Texts for the streaming cases, in UTF-8.
std::vector<std::string> streamingTexts() {
  std::string longText;
  for (int i = 0; i < 300; ++i) longText += utf8(u8"本工具 is a tool, 方便 [b]色[/b]\r\n");
  return {"x", utf8(u8"A中B"), utf8(u8"a\r\n b\u3000c"), utf8(u8"<&>\"中文"), longText};
}

TEST(Streaming, DefaultOutputEqualsTheInMemoryCodeForEveryChunkSize) {
  for (const std::string& text : streamingTexts()) {
    const std::string cp936 = toCp936(text);
    const std::string expected =
        toUtf8(generateGradient(cp936, rgb(0x12, 0x80, 0xFF), rgb(0xFF, 0x20, 0)).code.view());
    const std::string expectedRaw(
        generateGradient(cp936, rgb(0x12, 0x80, 0xFF), rgb(0xFF, 0x20, 0)).code.view());
    // Every small chunk size on the short texts; the long one only a few, as
    // each chunk costs a conversion (slow under Wine).
    const std::vector<std::size_t> chunks = text.size() > 100
                                                ? std::vector<std::size_t>{7, 4096}
                                                : std::vector<std::size_t>{1, 2, 3, 7, 4096};
    for (const std::size_t chunk : chunks) {
      const ToolRun r = run({"--from", "1280FF", "--to", "FF2000"}, text, chunk);
      EXPECT_EQ(r.exitCode, 0) << r.err;
      EXPECT_EQ(r.out, expected) << "chunk " << chunk;
      EXPECT_EQ(run({"--raw", "--from", "1280FF", "--to", "FF2000"}, cp936, chunk).out,
                expectedRaw);
    }
  }
}

TEST(Streaming, StyledOutputEqualsTheInMemoryCodeForEveryChunkSize) {
  struct Case {
    std::vector<std::string> args;
    GradientStyle style;
  };
  GradientStyle stops;
  stops.stops = {{rgb(255, 0, 0)}, {rgb(0, 255, 0), 2500}, {rgb(0, 0, 255)}};
  GradientStyle all = stops;
  all.reachEnd = all.skipSpace = all.merge = true;
  all.blend = Blend::HsvLong;
  all.format = CodeFormat::Html;
  GradientStyle fewer = stops;
  fewer.steps = 3;
  const Case cases[] = {
      {{"--stops", "FF0000,00FF00@25,0000FF"}, stops},
      {{"--stops", "FF0000,00FF00@25,0000FF", "--reach-end", "--skip-space", "--merge",
        "--hsv=long", "--format", "html"},
       all},
  };
  for (const std::string& text : streamingTexts()) {
    for (const Case& c : cases) {
      const std::string expected = toUtf8(styledCode(toCp936(text), c.style));
      for (const std::size_t chunk : {text.size() > 100 ? 5u : 1u, 3u, 4096u}) {
        const ToolRun r = run(c.args, text, chunk);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, expected) << c.args.back() << " chunk " << chunk;
      }
    }
  }
}

TEST(Streaming, AStandardInputThatCantSeekIsReadTwiceAllTheSame) {
  const std::string text = streamingTexts().back();
  PipeBuffer pipe(text);
  std::istream in(&pipe);
  std::ostringstream out, err;
  ASSERT_EQ(runTessalyGen({"--stats"}, {in, out, err, 64}), 0) << err.str();
  EXPECT_EQ(out.str(), toUtf8(generateGradient(toCp936(text), 0, 0xFFFFFF).code.view()));
}

TEST(Stops, TwoStopsEqualFromAndToByteForByte) {
  const std::string text = utf8(u8"渐变 gradient 测试\r\n") + std::string(40, 'z');
  const std::string expected = run({"--from", "0080FF", "--to", "FF8000"}, text).out;
  for (const char* stops : {"0080FF,FF8000", "#0080ff,ff8000", "0080FF@0,FF8000@100"})
    EXPECT_EQ(run({"--stops", stops}, text).out, expected) << stops;
  EXPECT_EQ(run({"--stops", utf8(u8"红色,蓝色")}, "ab").out,
            run({"--from", "FF0000", "--to", "0000FF"}, "ab").out);
}

TEST(Options, EachGivesItsDocumentedCode) {
  struct Case {
    std::vector<std::string> args;
    std::string output;
  };
  const Case cases[] = {
      {{"--stops", "FF0000,00FF00,0000FF", "--reach-end", "abcde"},
       "[color=#FF0000]a[/color][color=#7F7F00]b[/color][color=#00FF00]c[/color]"
       "[color=#007F7F]d[/color][color=#0000FF]e[/color]"},
      {{"--from", "FF0000", "--to", "0000FF", "--reach-end", "abc"},
       "[color=#FF0000]a[/color][color=#7F007F]b[/color][color=#0000FF]c[/color]"},
      {{"--from", "FF0000", "--to", "0000FF", "--reach-end", "a"}, "[color=#FF0000]a[/color]"},
      {{"--from", "FF0000", "--to", "0000FF", "--hsv", "--reach-end", "abc"},
       "[color=#FF0000]a[/color][color=#FF00FF]b[/color][color=#0000FF]c[/color]"},
      {{"--from", "FF0000", "--to", "0000FF", "--hsv=long", "--reach-end", "abc"},
       "[color=#FF0000]a[/color][color=#00FF00]b[/color][color=#0000FF]c[/color]"},
      {{"--preset", "fire", "--reach-end", "ab"},
       "[color=#FFE000]a[/color][color=#D00000]b[/color]"},
      {{"--skip-space", utf8(u8"a b\u3000c")},
       utf8(u8"[color=#000000]a[/color] [color=#555555]b[/color]\u3000[color=#AAAAAA]c[/color]")},
      {{"--merge", "--from", "000000", "--to", "000002", "abcd"},
       "[color=#000000]ab[/color][color=#000001]cd[/color]"},
      {{"--format", "html", "--from", "000000", "--to", "000000", "<&>"},
       "<span style=\"color:#000000\">&lt;</span><span style=\"color:#000000\">&amp;</span>"
       "<span style=\"color:#000000\">&gt;</span>"},
      {{"--format=bbcode", "a"}, "[color=#000000]a[/color]"},
  };
  for (const Case& c : cases) {
    const ToolRun r = run(c.args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, c.output) << c.args[0];
  }
}

TEST(Options, PresetListNamesEveryPreset) {
  const ToolRun r = run({"--preset", "list"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.out.find("rainbow: #FF0000,"), std::string::npos) << r.out;
}

TEST(Stats, TellsCharactersPiecesAndCodeLengthOnStandardError) {
  const ToolRun r = run({"--stats", utf8(u8"a中")});
  EXPECT_EQ(r.out, utf8(u8"[color=#000000]a[/color][color=#7F7F7F]中[/color]"));
  EXPECT_EQ(r.err, "characters 2, pieces 2, colour steps 2, code bytes " +
                       std::to_string(r.out.size()) + ", code characters 48\n");
}

TEST(Limit, OverTheLimitSaysByHowMuchAndWritesNothing) {
  // "a中": 48 characters, 50 bytes of UTF-8.
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string message;
    std::string input = {};
  };
  const Case cases[] = {
      {{"--limit", "48", utf8(u8"a中")}, 0, ""},
      {{"--limit", "48chars", utf8(u8"a中")}, 0, ""},
      {{"--limit", "47", utf8(u8"a中")}, 3, "the code is 48 chars, 1 over the limit of 47 chars"},
      {{"--limit", "49bytes", utf8(u8"a中")},
       3,
       "the code is 50 bytes, 1 over the limit of 49 bytes"},
      {{"--limit", "50bytes", utf8(u8"a中")}, 0, ""},
      {{"--raw", "--limit", "49bytes"}, 0, "", "a\xD6\xD0"},  // code page 936: 2 bytes for 中
      {{"--forum", "vbulletin", std::string(500, 'x')},
       3,
       "the code is 12000 chars, 2000 over the limit of 10000 chars (vbulletin's default)"},
      {{"--forum", "nodebb", std::string(1400, 'x')},
       3,
       "the code is 33600 UTF-16 units, 833 over the limit of 32767 UTF-16 units (nodebb's"},
  };
  for (const Case& c : cases) {
    const ToolRun r = run(c.args, c.input);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.args[1] << r.err;
    if (c.exitCode != 0) {
      EXPECT_EQ(r.out, "");
      EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
  }
}

TEST(Limit, OverTheLimitLeavesAnOutputFileAsItWas) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("tessaly-gen-limit-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  std::ofstream(path) << "old";
  const auto pathText = path.u8string();
  const ToolRun r =
      run({"--limit", "10", "-o", std::string(pathText.begin(), pathText.end()), "abc"});
  EXPECT_EQ(r.exitCode, kExitTooLong);
  std::ifstream in(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
  in.close();
  std::filesystem::remove(path);
}

TEST(Fit, UsesTheMostStepsThatFitAndOneMoreWouldNot) {
  struct Case {
    std::vector<std::string> options;
    std::string text;
    std::uint64_t limit;
  };
  std::string longText;
  for (int i = 0; i < 40; ++i) longText += utf8(u8"彩色的字 colour ");
  const Case cases[] = {
      {{}, longText, 5000},
      {{"--skip-space"}, longText, 4000},
      {{"--merge", "--stops", "FF0000,00FF00,0000FF"}, longText, 3000},
      {{"--format", "html", "--hsv"}, longText + "<&>", 9000},
      {{}, "abc", 50},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.options;
    for (const std::string& extra : {std::string("--fit"), std::string("--stats"),
                                     std::string("--limit"), std::to_string(c.limit)})
      args.push_back(extra);
    const ToolRun r = run(args, c.text);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Code characters on the stats line, and the steps chosen.
    const auto steps = std::stoul(r.err.substr(r.err.find("colour steps ") + 13));
    const auto chars = std::stoul(r.err.substr(r.err.find("code characters ") + 16));
    EXPECT_LE(chars, c.limit);
    // The same style with one step more is over the limit.
    GradientStyle style;
    style.skipSpace = std::find(args.begin(), args.end(), "--skip-space") != args.end();
    style.merge = std::find(args.begin(), args.end(), "--merge") != args.end();
    if (style.merge) style.stops = {{rgb(255, 0, 0)}, {rgb(0, 255, 0)}, {rgb(0, 0, 255)}};
    if (std::find(args.begin(), args.end(), "html") != args.end()) {
      style.format = CodeFormat::Html;
      style.blend = Blend::HsvShort;
    }
    style.steps = static_cast<std::uint32_t>(steps);
    EXPECT_EQ(toUtf8(styledCode(toCp936(c.text), style)), r.out);
    style.steps = static_cast<std::uint32_t>(steps + 1);
    const std::string oneMore = toUtf8(styledCode(toCp936(c.text), style));
    std::size_t oneMoreChars = 0;
    for (const char ch : oneMore) oneMoreChars += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    EXPECT_GT(oneMoreChars, c.limit) << steps;
  }
}

TEST(Fit, EvenOneStepTooLongExitsThree) {
  const ToolRun r = run({"--fit", "--limit", "10", "abcdefgh"});
  EXPECT_EQ(r.exitCode, kExitTooLong);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("even with a single colour step the code is 31 chars, 21 over"),
            std::string::npos)
      << r.err;
}

TEST(Unicode, CutsUserPerceivedCharactersOrSaysItIsNotAvailable) {
  if (!graphemeCuttingAvailable()) {
    const ToolRun r = run({"--unicode", "x"});
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("--unicode is not available in this build"), std::string::npos);
    return;
  }
  struct Case {
    std::string text;
    std::vector<std::string> pieces;
  };
  const std::string family = utf8(u8"👨\u200D👩\u200D👧");
  const std::string flag = utf8(u8"🇨🇳");
  const std::string accent = utf8(u8"e\u0301");
  const Case cases[] = {
      {family + flag, {family, flag}},
      {accent + utf8(u8"中文"), {accent, utf8(u8"中"), utf8(u8"文")}},
      {"a\r\nb", {"a", "\r\n", "b"}},
      {utf8(u8"👍🏽!"), {utf8(u8"👍🏽"), "!"}},
  };
  for (const Case& c : cases) {
    for (const std::size_t chunk : {1u, 5u, 4096u}) {
      const ToolRun r = run({"--unicode", "--from", "000000", "--to", "000000"}, c.text, chunk);
      ASSERT_EQ(r.exitCode, 0) << r.err;
      std::string expected;
      for (const std::string& piece : c.pieces) expected += "[color=#000000]" + piece + "[/color]";
      EXPECT_EQ(r.out, expected) << "chunk " << chunk;
    }
  }
  // White space in grapheme mode, and the counts.
  const ToolRun spaced = run({"--unicode", "--skip-space", "--stats", family + "\r\n" + flag});
  EXPECT_EQ(spaced.out,
            "[color=#000000]" + family + "[/color]\r\n[color=#7F7F7F]" + flag + "[/color]");
  EXPECT_NE(spaced.err.find("characters 9, pieces 3, colour steps 2"), std::string::npos)
      << spaced.err;
  // Text that code page 936 can't hold is fine here, broken UTF-8 is not.
  EXPECT_EQ(run({"--unicode"}, "ab\xFF").exitCode, kExitBadInput);
  EXPECT_NE(run({"--unicode"}, "ab\xFF").err.find("byte 2 of the text: not valid UTF-8"),
            std::string::npos);
}

TEST(Errors, BadValuesAndContradictionsExitTwoNamingTheCulprits) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"--stops", "FF0000"}, "--stops needs two or more colours"},
      {{"--stops", "FF0000,nocolour"}, "unknown colour 'nocolour' in --stops"},
      {{"--stops", "FF0000@101,00FF00"}, "bad place '101' in --stops"},
      {{"--stops", "FF0000@x,00FF00"}, "bad place 'x' in --stops"},
      {{"--stops", "FF0000@60,00FF00@40"}, "--stops: stop 2 lies before stop 1"},
      {{"--stops"}, "--stops needs a list of colours"},
      {{"--preset", "nonesuch"}, "unknown preset 'nonesuch'"},
      {{"--hsv=sideways"}, "bad value 'sideways' for --hsv"},
      {{"--format", "markdown"}, "bad value 'markdown' for --format: give bbcode or html"},
      {{"--limit", "0"}, "bad value '0' for --limit"},
      {{"--limit", "12kb"}, "bad value '12kb' for --limit"},
      {{"--limit", "-5"}, "bad value '-5' for --limit"},
      {{"--forum", "myspace"}, "unknown forum 'myspace' for --forum: give one of phpbb,"},
      {{"--merge=yes"}, "--merge takes no value"},
      {{"--fit"}, "--fit needs --limit or --forum"},
      {{"--stops", "FF0000,0000FF", "--from", "00FF00"},
       "--stops and --from can't be used together"},
      {{"--to", "00FF00", "--stops", "FF0000,0000FF"}, "--stops and --to can't be used together"},
      {{"--preset", "ocean", "--stops", "FF0000,0000FF"},
       "--preset and --stops can't be used together"},
      {{"--preset", "ocean", "--from", "FF0000"}, "--preset and --from can't be used together"},
      {{"--forum", "phpbb", "--limit", "100"}, "--forum and --limit can't be used together"},
      {{"--unicode", "--raw"}, "--unicode and --raw can't be used together"},
  };
  for (const Case& c : cases) {
    const ToolRun r = run(c.args, "x");
    EXPECT_EQ(r.exitCode, kExitUsage) << c.args[0];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("tessaly-gen: " + c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace tessaly
