#include "skin/format/skin_format.h"

#include <array>

namespace tessaly::skin {
namespace {

std::uint32_t readLittleEndian(std::string_view bytes, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = count; i-- > 0;)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void appendLittleEndian(std::string& out, std::uint32_t value, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

Colour readColour(std::string_view value) {
  const auto byte = [&](std::size_t i) {
    return static_cast<Colour>(static_cast<unsigned char>(value[i]));
  };
  return byte(0) | (byte(1) << 8) | (byte(2) << 16);
}

// Where each colour tag's value goes.
Colour* colourField(Skin& skin, Tag tag) {
  switch (tag) {
    case Tag::WindowFace:
      return &skin.windowFace;
    case Tag::Frame:
      return &skin.frame;
    case Tag::Caption:
      return &skin.caption;
    case Tag::CaptionText:
      return &skin.captionText;
    case Tag::ContainerFace:
      return &skin.containerFace;
    case Tag::ContainerFrame:
      return &skin.containerFrame;
    case Tag::ButtonFace:
      return &skin.buttonFace;
    case Tag::ButtonFaceBottom:
      return &skin.buttonFaceBottom;
    case Tag::ButtonBorder:
      return &skin.buttonBorder;
    case Tag::ButtonHot:
      return &skin.buttonHot;
    case Tag::ButtonPressed:
      return &skin.buttonPressed;
    case Tag::ButtonText:
      return &skin.buttonText;
    case Tag::CheckBoxFace:
      return &skin.checkBoxFace;
    case Tag::CheckBoxBorder:
      return &skin.checkBoxBorder;
    case Tag::CheckBoxTick:
      return &skin.checkBoxTick;
    case Tag::GroupFrame:
      return &skin.groupFrame;
    case Tag::Name:
    case Tag::ButtonCornerRadius:
      return nullptr;
  }
  return nullptr;
}

constexpr int kLastTag = static_cast<int>(Tag::GroupFrame);

bool isOptional(int tag) {
  return tag == static_cast<int>(Tag::ButtonFaceBottom);
}

bool isNameByte(unsigned char c) {
  return c >= 0x20 && c != 0x7F;
}

ParsedSkin failure(SkinError error) {
  return {std::nullopt, error};
}

void appendRecord(std::string& out, Tag tag, std::string_view value) {
  out.push_back(static_cast<char>(tag));
  out.push_back(static_cast<char>(value.size()));
  out.append(value);
}

void appendColour(std::string& out, Tag tag, Colour colour) {
  const char value[3] = {static_cast<char>(colour & 0xFF), static_cast<char>((colour >> 8) & 0xFF),
                         static_cast<char>((colour >> 16) & 0xFF)};
  appendRecord(out, tag, {value, 3});
}

}  // namespace

std::uint32_t crc32(std::string_view bytes) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char ch : bytes)
    crc = table[(crc ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

ParsedSkin parseSkin(std::string_view bytes) {
  if (bytes.size() > kMaxFileBytes) return failure(SkinError::TooLarge);
  if (bytes.size() < kHeaderBytes) return failure(SkinError::TooShort);
  if (bytes.substr(0, kSignature.size()) != kSignature) return failure(SkinError::BadSignature);
  if (readLittleEndian(bytes, 6, 2) != kFormatVersion) return failure(SkinError::BadVersion);
  const std::uint32_t bodyBytes = readLittleEndian(bytes, 8, 4);
  if (bodyBytes != bytes.size() - kHeaderBytes) return failure(SkinError::BadLength);
  const std::string_view body = bytes.substr(kHeaderBytes);
  if (readLittleEndian(bytes, 12, 4) != crc32(body)) return failure(SkinError::BadChecksum);

  Skin skin;
  std::array<bool, kLastTag + 1> seen{};
  for (std::size_t at = 0; at < body.size();) {
    if (body.size() - at < 2) return failure(SkinError::BadRecord);
    const int tagNumber = static_cast<unsigned char>(body[at]);
    const std::size_t length = static_cast<unsigned char>(body[at + 1]);
    at += 2;
    if (length > body.size() - at) return failure(SkinError::BadRecord);
    const std::string_view value = body.substr(at, length);
    at += length;

    if (tagNumber < 1 || tagNumber > kLastTag) return failure(SkinError::UnknownTag);
    if (seen[tagNumber]) return failure(SkinError::DuplicateTag);
    seen[tagNumber] = true;
    const auto tag = static_cast<Tag>(tagNumber);
    if (tag == Tag::Name) {
      if (value.empty() || value.size() > kMaxNameBytes) return failure(SkinError::BadRecord);
      for (const char c : value)
        if (!isNameByte(static_cast<unsigned char>(c))) return failure(SkinError::BadRecord);
      skin.name.assign(value);
    } else if (tag == Tag::ButtonCornerRadius) {
      if (length != 1 || static_cast<unsigned char>(value[0]) > kMaxCornerRadius)
        return failure(SkinError::BadRecord);
      skin.buttonCornerRadius = static_cast<unsigned char>(value[0]);
    } else {
      if (length != 3) return failure(SkinError::BadRecord);
      *colourField(skin, tag) = readColour(value);
    }
  }
  for (int tag = 1; tag <= kLastTag; ++tag)
    if (!seen[tag] && !isOptional(tag)) return failure(SkinError::MissingTag);
  if (!seen[static_cast<int>(Tag::ButtonFaceBottom)]) skin.buttonFaceBottom = skin.buttonFace;
  return {std::move(skin), SkinError::None};
}

std::string encodeSkin(const Skin& skin) {
  std::string body;
  appendRecord(body, Tag::Name, skin.name);
  Skin copy = skin;
  for (int tag = 1; tag <= kLastTag; ++tag)
    if (Colour* field = colourField(copy, static_cast<Tag>(tag)))
      appendColour(body, static_cast<Tag>(tag), *field);
  const char radius = static_cast<char>(skin.buttonCornerRadius);
  appendRecord(body, Tag::ButtonCornerRadius, {&radius, 1});

  std::string file(kSignature);
  appendLittleEndian(file, kFormatVersion, 2);
  appendLittleEndian(file, static_cast<std::uint32_t>(body.size()), 4);
  appendLittleEndian(file, crc32(body), 4);
  return file + body;
}

const char* describe(SkinError error) {
  switch (error) {
    case SkinError::None:
      return "valid";
    case SkinError::TooShort:
      return "shorter than the header";
    case SkinError::TooLarge:
      return "larger than a skin can be";
    case SkinError::BadSignature:
      return "not a skin file";
    case SkinError::BadVersion:
      return "unknown format version";
    case SkinError::BadLength:
      return "body length doesn't match the file";
    case SkinError::BadChecksum:
      return "checksum mismatch";
    case SkinError::BadRecord:
      return "malformed record";
    case SkinError::UnknownTag:
      return "unknown record";
    case SkinError::DuplicateTag:
      return "record given twice";
    case SkinError::MissingTag:
      return "required record missing";
  }
  return "unknown error";
}

}  // namespace tessaly::skin
