// The skin file format, version 1 (see skin/FORMAT.md).
//
//   offset  size  field
//   0       6     signature ".SHE", 0x00, 0x03
//   6       2     format version, little-endian (1)
//   8       4     body length in bytes, little-endian (at most kMaxBodyBytes)
//   12      4     CRC-32 (IEEE 802.3) of the body, little-endian
//   16      n     body: records of tag (1 byte), length (1 byte), value
//
// Colours are three bytes, red, green, blue. Every field but the optional
// ones must appear exactly once. Pure code, no Windows headers: the engine,
// the tests and a native fuzz build share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::skin {

inline constexpr std::string_view kSignature{".SHE\x00\x03", 6};
inline constexpr std::uint16_t kFormatVersion = 1;
inline constexpr std::size_t kHeaderBytes = 16;
inline constexpr std::size_t kMaxBodyBytes = 4096;
inline constexpr std::size_t kMaxFileBytes = kHeaderBytes + kMaxBodyBytes;
inline constexpr std::size_t kMaxNameBytes = 63;
inline constexpr int kMaxCornerRadius = 12;

// 0x00BBGGRR, as a Windows COLORREF.
using Colour = std::uint32_t;

struct Skin {
  std::string name;
  Colour windowFace = 0;
  Colour frame = 0;
  Colour caption = 0;
  Colour captionText = 0;
  Colour containerFace = 0;
  Colour containerFrame = 0;
  Colour buttonFace = 0;
  Colour buttonFaceBottom = 0;  // optional; the face's colour again where absent
  Colour buttonBorder = 0;
  Colour buttonHot = 0;
  Colour buttonPressed = 0;
  Colour buttonText = 0;
  int buttonCornerRadius = 0;
  Colour checkBoxFace = 0;
  Colour checkBoxBorder = 0;
  Colour checkBoxTick = 0;
  Colour groupFrame = 0;

  bool operator==(const Skin&) const = default;
};

// The record tags of the body.
enum class Tag : std::uint8_t {
  Name = 1,
  WindowFace = 2,
  Frame = 3,
  Caption = 4,
  CaptionText = 5,
  ContainerFace = 6,
  ContainerFrame = 7,
  ButtonFace = 8,
  ButtonFaceBottom = 9,
  ButtonBorder = 10,
  ButtonHot = 11,
  ButtonPressed = 12,
  ButtonText = 13,
  ButtonCornerRadius = 14,
  CheckBoxFace = 15,
  CheckBoxBorder = 16,
  CheckBoxTick = 17,
  GroupFrame = 18,
};

enum class SkinError {
  None,
  TooShort,  // shorter than the header
  TooLarge,  // larger than kMaxFileBytes
  BadSignature,
  BadVersion,
  BadLength,  // body length doesn't match the file
  BadChecksum,
  BadRecord,  // a record runs past the body, has a wrong size or value
  UnknownTag,
  DuplicateTag,
  MissingTag,
};

struct ParsedSkin {
  std::optional<Skin> skin;
  SkinError error = SkinError::None;
};

// Checks and reads a whole skin file. Never reads outside `bytes`.
ParsedSkin parseSkin(std::string_view bytes);

// The file for `skin` (the inverse of parseSkin for a valid skin).
std::string encodeSkin(const Skin& skin);

// CRC-32 (IEEE 802.3, reflected, initial and final 0xFFFFFFFF).
std::uint32_t crc32(std::string_view bytes);

const char* describe(SkinError error);

}  // namespace tessaly::skin
