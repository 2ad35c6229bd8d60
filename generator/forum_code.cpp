#include "generator/forum_code.h"

#include "generator/gradient.h"

namespace tessaly {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

void writeByteHex(char* out, unsigned value) {
  out[0] = kDigits[value >> 4];
  out[1] = kDigits[value & 0xF];
}

}  // namespace

void writeColourHex(char* out, ColourRef colour) {
  writeByteHex(out, redOf(colour));
  writeByteHex(out + 2, greenOf(colour));
  writeByteHex(out + 4, blueOf(colour));
}

std::string colourHex(ColourRef colour) {
  std::string hex(6, '0');
  writeColourHex(hex.data(), colour);
  return hex;
}

OpeningTag::OpeningTag(ColourRef colour) {
  std::memcpy(bytes, kOpenTag.data(), kOpenTag.size());
  writeColourHex(bytes + kOpenTag.size(), colour);
  bytes[14] = ']';
  bytes[15] = '\0';
}

CodeFragment::CodeFragment(const GradientPiece& piece) {
  const OpeningTag opening(piece.colour);
  const std::string_view text = piece.view();
  char* out = bytes_;
  std::memcpy(out, opening.bytes, kOpeningBytes);
  out += kOpeningBytes;
  std::memcpy(out, text.data(), text.size());
  out += text.size();
  std::memcpy(out, kCloseTag.data(), kCloseTag.size());
  size_ = kTagBytes + text.size();
}

CodeFragment codeFragment(const GradientPiece& piece) {
  return CodeFragment(piece);
}

}  // namespace tessaly
