#include "tools/utf8_encoder.h"

#include <cstring>

#include "tools/text_encoding.h"

namespace tessaly {

std::string_view Utf8Encoder::encode(std::string_view piece) {
  if (piece.empty() || piece.size() > 2) return {};
  if (!table_) table_ = std::make_unique<Entry[]>(1 << 16);
  const unsigned key = static_cast<unsigned char>(piece[0]) << 8 |
                       (piece.size() == 2 ? static_cast<unsigned char>(piece[1]) : 0u);
  Entry& entry = table_[key];
  if (entry.state == 0) {
    const Conversion converted = cp936ToUtf8(piece);
    entry.state = 2;
    if (!converted.error && !converted.bytes.empty() &&
        converted.bytes.size() <= entry.bytes.size()) {
      std::memcpy(entry.bytes.data(), converted.bytes.data(), converted.bytes.size());
      entry.size = static_cast<std::uint8_t>(converted.bytes.size());
      entry.state = 1;
    }
  }
  if (entry.state != 1) return {};
  return {entry.bytes.data(), entry.size};
}

}  // namespace tessaly
