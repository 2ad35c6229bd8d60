#include "tools/text_encoding.h"

namespace tessaly {

std::optional<std::size_t> findInvalidUtf8(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  for (std::size_t i = 0; i < text.size();) {
    const unsigned lead = byte(i);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length;
    unsigned low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;   // no overlong forms
      if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
      return i;
    }
    if (i + length > text.size()) return i;
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned next = byte(i + k);
      if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return i;
    }
    i += length;
  }
  return std::nullopt;
}

}  // namespace tessaly
