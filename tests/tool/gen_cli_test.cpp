#include "tools/gen_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessaly {
namespace {

namespace fs = std::filesystem;

std::string utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

struct ToolRun {
  int exitCode;
  std::string out, err;
};

ToolRun run(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = runTessalyGen(args, {in, out, err});
  return {code, out.str(), err.str()};
}

const std::string kWorkedCode936 =
    "[color=#0080FF]A[/color][color=#5580AA]\xD6\xD0[/color][color=#AA8055]B[/color]";
const std::string kWorkedCodeUtf8 =
    utf8(u8"[color=#0080FF]A[/color][color=#5580AA]中[/color][color=#AA8055]B[/color]");

TEST(TessalyGen, WorkedExampleInEachEncoding) {
  struct Case {
    std::vector<std::string> args;
    std::string input, output;
  };
  const Case cases[] = {
      {{"--raw", "--from", "#0080FF", "--to", "#FF8000"},
       "A\xD6\xD0"
       "B",
       kWorkedCode936},
      {{"--from", "0080FF", "--to", "FF8000", utf8(u8"A中B")}, "", kWorkedCodeUtf8},
      {{"--from=0080ff", "--to=ff8000"}, utf8(u8"A中B"), kWorkedCodeUtf8},
      {{"--from=0080ff", "--to=ff8000", "-"}, utf8(u8"A中B"), kWorkedCodeUtf8},
      {{"--to", "FF8000", "--from", "0080FF", "--", utf8(u8"A中B")}, "", kWorkedCodeUtf8},
  };
  for (const Case& c : cases) {
    const ToolRun r = run(c.args, c.input);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, c.output);
    EXPECT_EQ(r.err, "");
  }
}

TEST(TessalyGen, DefaultsRunFromBlackTowardsWhite) {
  const ToolRun r = run({"ab"});
  EXPECT_EQ(r.out, "[color=#000000]a[/color][color=#7F7F7F]b[/color]");
}

TEST(TessalyGen, TransparentCountsAsBlackAndTextMayStartWithADash) {
  EXPECT_EQ(run({"--from", utf8(u8"透明"), "--to", utf8(u8"透明"), "--", "-x"}).out,
            "[color=#000000]-[/color][color=#000000]x[/color]");
}

TEST(TessalyGen, EmptyTextPrintsNothingAndSucceeds) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"--raw"}, {""}}) {
    const ToolRun r = run(args);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
  }
}

TEST(TessalyGen, LineBreaksStandInTheirOwnTags) {
  EXPECT_EQ(run({"--raw", "--from", "000000", "--to", "000000"}, "a\r\n").out,
            "[color=#000000]a[/color][color=#000000]\r[/color][color=#000000]\n[/color]");
}

TEST(TessalyGen, UsageErrorsExitTwoWithUsage) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"}, {"--from"}, {"--from", "nocolour"}, {"--to", "#12345"}, {"-o"}, {"a", "b"},
      {"--from="}, {"-x"},
  };
  for (const auto& args : cases) {
    const ToolRun r = run(args);
    EXPECT_EQ(r.exitCode, kExitUsage) << args[0];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("usage: tessaly-gen"), std::string::npos) << r.err;
  }
}

TEST(TessalyGen, BadTextExitsOneNamingTheByteOffset) {
  struct Case {
    std::vector<std::string> args;
    std::string input;
    std::string message;
  };
  const Case cases[] = {
      {{}, "ab\xFF", "byte 2 of the text: not valid UTF-8"},
      {{}, utf8(u8"中😀"), "byte 3 of the text: a character that code page 936 can't hold"},
      {{}, std::string("abc\0d", 5), "byte 3 of the text: a NUL byte"},
      {{"--raw"}, std::string("\xD6\xD0\0", 3), "byte 2 of the text: a NUL byte"},
  };
  for (const Case& c : cases) {
    const ToolRun r = run(c.args, c.input);
    EXPECT_EQ(r.exitCode, kExitBadInput);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST(TessalyGen, RawTakesAnyBytesButNul) {
  // A lone lead byte at the end is a piece of its own, as the window would cut it.
  EXPECT_EQ(run({"--raw", "--from", "000000", "--to", "000000"}, "\xFF").out,
            "[color=#000000]\xFF[/color]");
}

class OutputFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tessaly-gen-test-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::string pathText(const char8_t* name) const {
    const auto text = (folder_ / fs::path(std::u8string(name))).u8string();
    return {reinterpret_cast<const char*>(text.data()), text.size()};
  }
  std::size_t filesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(OutputFile, HoldsExactlyTheCodeAndReplacesAnOldFile) {
  const std::string path = pathText(u8"代码.txt");
  std::ofstream(fs::path(std::u8string(reinterpret_cast<const char8_t*>(path.c_str())))) << "old";
  const ToolRun r = run({"--from", "0080FF", "--to", "FF8000", "-o", path, utf8(u8"A中B")});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(read(folder_ / fs::path(std::u8string(u8"代码.txt"))), kWorkedCodeUtf8);
  EXPECT_EQ(filesInFolder(), 1u);  // no temporary file left
}

TEST_F(OutputFile, FailedRunsLeaveTheFileAsItWas) {
  const std::string path = pathText(u8"keep.txt");
  std::ofstream(folder_ / "keep.txt") << "old";
  EXPECT_EQ(run({"-o", path}, "bad\xFF").exitCode, kExitBadInput);
  EXPECT_EQ(run({"-o", path, "--from", "nocolour", "x"}).exitCode, kExitUsage);
  EXPECT_EQ(read(folder_ / "keep.txt"), "old");
  EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(OutputFile, UnwritablePlacesAreReported) {
  for (const std::string& path : {pathText(u8"missing/sub/code.txt"), pathText(u8"")}) {
    const ToolRun r = run({"-o", path, "x"});
    EXPECT_EQ(r.exitCode, kExitBadInput) << path;
    EXPECT_NE(r.err.find("can't write"), std::string::npos) << r.err;
  }
  EXPECT_EQ(filesInFolder(), 0u);
}

}  // namespace
}  // namespace tessaly
