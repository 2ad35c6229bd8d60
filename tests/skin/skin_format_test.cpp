// The skin file parser: the header checks, the records, and whatever bytes a
// hostile or damaged file may hold.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "skin/format/skin_format.h"
#include "tests/skin/test_skins.h"

namespace tessaly::skin {
namespace {

using testing::flatSkin;

std::string withBody(std::string file, const std::string& body) {
  file.resize(kHeaderBytes);
  const auto n = static_cast<std::uint32_t>(body.size());
  const std::uint32_t crc = crc32(body);
  for (int i = 0; i < 4; ++i) {
    file[8 + i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    file[12 + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
  }
  return file + body;
}

std::string bodyOf(const std::string& file) {
  return file.substr(kHeaderBytes);
}

TEST(SkinFormat, EncodedSkinParsesBack) {
  const std::string file = encodeSkin(flatSkin());
  EXPECT_EQ(file.substr(0, 6), std::string(".SHE\x00\x03", 6));
  const ParsedSkin parsed = parseSkin(file);
  ASSERT_TRUE(parsed.skin) << describe(parsed.error);
  EXPECT_EQ(*parsed.skin, flatSkin());
}

TEST(SkinFormat, Crc32IsTheIeeeOne) {
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
}

TEST(SkinFormat, HeaderChecks) {
  const std::string good = encodeSkin(flatSkin());
  struct Case {
    const char* what;
    std::string file;
    SkinError error;
  };
  std::string badSignature = good;
  badSignature[5] = 0x04;
  std::string badVersion = good;
  badVersion[6] = 2;
  std::string longer = good + "x";
  std::string badChecksum = good;
  badChecksum[12] ^= 1;
  std::string bodyChanged = good;
  bodyChanged.back() ^= 0x40;
  const Case cases[] = {
      {"empty", "", SkinError::TooShort},
      {"signature only", good.substr(0, 6), SkinError::TooShort},
      {"header less one byte", good.substr(0, kHeaderBytes - 1), SkinError::TooShort},
      {"other signature", badSignature, SkinError::BadSignature},
      {"ascii signature", "GIF89a" + good.substr(6), SkinError::BadSignature},
      {"version 2", badVersion, SkinError::BadVersion},
      {"truncated body", good.substr(0, good.size() - 1), SkinError::BadLength},
      {"trailing byte", longer, SkinError::BadLength},
      {"checksum changed", badChecksum, SkinError::BadChecksum},
      {"body changed", bodyChanged, SkinError::BadChecksum},
      {"oversized", good + std::string(kMaxFileBytes, 'x'), SkinError::TooLarge},
  };
  for (const Case& c : cases) {
    const ParsedSkin parsed = parseSkin(c.file);
    EXPECT_FALSE(parsed.skin) << c.what;
    EXPECT_EQ(parsed.error, c.error) << c.what << ": " << describe(parsed.error);
  }
}

TEST(SkinFormat, BodyLengthFieldCanNotLeadOutside) {
  // A length field claiming more than the file holds, up to the largest.
  std::string file = encodeSkin(flatSkin());
  for (const std::uint32_t claimed : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    for (int i = 0; i < 4; ++i) file[8 + i] = static_cast<char>((claimed >> (8 * i)) & 0xFF);
    EXPECT_EQ(parseSkin(file).error, SkinError::BadLength) << claimed;
  }
}

TEST(SkinFormat, RecordChecks) {
  const std::string good = encodeSkin(flatSkin());
  const std::string body = bodyOf(good);
  // The first record is the name (tag 1); the second the window face (tag 2).
  const std::size_t nameLength = static_cast<unsigned char>(body[1]);
  const std::string afterName = body.substr(2 + nameLength);
  struct Case {
    const char* what;
    std::string body;
    SkinError error;
  };
  const Case cases[] = {
      {"empty body", "", SkinError::MissingTag},
      {"lone tag byte", body + "\x02", SkinError::BadRecord},
      {"record past the end", body + std::string("\x02\x05\x01", 3), SkinError::BadRecord},
      {"colour of two bytes",
       std::string("\x02\x02\x01\x02", 4) + body.substr(0, 2 + nameLength) + afterName.substr(5),
       SkinError::BadRecord},
      {"unknown tag 0", body + std::string("\x00\x00", 2), SkinError::UnknownTag},
      {"unknown tag 19", body + std::string("\x13\x01x", 3), SkinError::UnknownTag},
      {"name twice", body + std::string("\x01\x01x", 3), SkinError::DuplicateTag},
      {"name missing", afterName, SkinError::MissingTag},
      {"empty name", std::string("\x01\x00", 2) + afterName, SkinError::BadRecord},
      {"name with a control character", std::string("\x01\x02x\n", 4) + afterName,
       SkinError::BadRecord},
      {"name of 64 bytes", std::string("\x01\x40", 2) + std::string(64, 'n') + afterName,
       SkinError::BadRecord},
  };
  for (const Case& c : cases) {
    const ParsedSkin parsed = parseSkin(withBody(good, c.body));
    EXPECT_FALSE(parsed.skin) << c.what;
    EXPECT_EQ(parsed.error, c.error) << c.what << ": " << describe(parsed.error);
  }
}

TEST(SkinFormat, CornerRadiusIsBounded) {
  Skin skin = flatSkin();
  skin.buttonCornerRadius = kMaxCornerRadius;
  EXPECT_TRUE(parseSkin(encodeSkin(skin)).skin);
  skin.buttonCornerRadius = kMaxCornerRadius + 1;
  EXPECT_EQ(parseSkin(encodeSkin(skin)).error, SkinError::BadRecord);
}

TEST(SkinFormat, OptionalBottomFaceDefaultsToTheFace) {
  const std::string good = encodeSkin(flatSkin());
  std::string body = bodyOf(good);
  const std::string record("\x09\x03", 2);
  const auto at = body.find(record);
  ASSERT_NE(at, std::string::npos);
  body.erase(at, 5);
  Skin skin = flatSkin();
  skin.buttonFaceBottom = 0x00123456;  // differs from the face; absent in the file
  const ParsedSkin parsed = parseSkin(withBody(good, body));
  ASSERT_TRUE(parsed.skin);
  EXPECT_EQ(parsed.skin->buttonFaceBottom, parsed.skin->buttonFace);
}

TEST(SkinFormat, EveryTruncationIsRejected) {
  const std::string good = encodeSkin(flatSkin());
  for (std::size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(parseSkin(good.substr(0, n)).skin) << n;
}

// Many thousand damaged skins: flipped, inserted, deleted and truncated
// bytes, with the header fixed up half of the time so that the damage
// reaches the record reader. The parser must never crash, and whatever it
// accepts must encode back to a file it accepts again as the same skin.
TEST(SkinFormat, FuzzedFilesNeverCrashAndAcceptedOnesAreSound) {
  std::mt19937 random(20261211);
  const std::string good = encodeSkin(flatSkin());
  int accepted = 0;
  for (int round = 0; round < 30000; ++round) {
    std::string file = good;
    const int edits = 1 + static_cast<int>(random() % 6);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = file.empty() ? 0 : random() % file.size();
      switch (random() % 4) {
        case 0:
          if (!file.empty()) file[at] = static_cast<char>(random());
          break;
        case 1:
          file.insert(file.begin() + static_cast<std::ptrdiff_t>(at), static_cast<char>(random()));
          break;
        case 2:
          if (!file.empty()) file.erase(at, 1);
          break;
        case 3:
          file.resize(at);
          break;
      }
    }
    if (round % 2 == 0 && file.size() >= kHeaderBytes)
      file = withBody(file.substr(0, 8) + std::string(8, '\0'), file.substr(kHeaderBytes));
    const ParsedSkin parsed = parseSkin(file);
    if (!parsed.skin) continue;
    ++accepted;
    const ParsedSkin again = parseSkin(encodeSkin(*parsed.skin));
    ASSERT_TRUE(again.skin) << "round " << round;
    EXPECT_EQ(*again.skin, *parsed.skin) << "round " << round;
  }
  EXPECT_GT(accepted, 0);  // the fix-ups do reach valid files now and then

  for (int round = 0; round < 20000; ++round) {
    std::string bytes(random() % 200, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    if (round % 3 == 0 && bytes.size() >= kHeaderBytes)
      bytes.replace(0, 8, std::string(".SHE\x00\x03\x01\x00", 8));
    if (round % 3 == 1 && bytes.size() >= kHeaderBytes)
      bytes = withBody(".SHE" + std::string("\x00\x03\x01\x00", 4) + std::string(8, '\0'),
                       bytes.substr(kHeaderBytes));
    EXPECT_NO_FATAL_FAILURE(parseSkin(bytes));
  }
}

}  // namespace
}  // namespace tessaly::skin
