#include "tools/cp936_narrower.h"

namespace tessaly {

std::optional<std::size_t> Cp936Narrower::narrow(std::string_view utf8, std::string& out,
                                                 std::string& what) {
  if (!table_) table_ = std::make_unique<Entry[]>(1 << 16);
  const std::size_t start = out.size();
  out.resize(start + utf8.size());  // code page 936 is never longer than UTF-8
  char* to = out.data() + start;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned lead = byte(i);
    if (lead < 0x80) {
      *to++ = static_cast<char>(lead);
      ++i;
      continue;
    }
    // Two- and three-byte forms are checked here as findInvalidUtf8 checks them;
    // anything else goes to findInvalidUtf8 itself.
    const bool two =
        lead >= 0xC2 && lead <= 0xDF && i + 1 < utf8.size() && (byte(i + 1) & 0xC0) == 0x80;
    const bool three = lead >= 0xE0 && lead <= 0xEF && i + 2 < utf8.size() &&
                       (byte(i + 1) & 0xC0) == 0x80 && (byte(i + 2) & 0xC0) == 0x80 &&
                       (lead != 0xE0 || byte(i + 1) >= 0xA0) &&
                       (lead != 0xED || byte(i + 1) <= 0x9F);
    if (!two && !three) {
      out.resize(to - out.data());
      if (const auto bad = findInvalidUtf8(utf8.substr(i))) {
        what = "not valid UTF-8";
        return i + *bad;
      }
      // A well-formed four-byte form, beyond U+FFFF: nothing in code page 936.
      what = "a character that code page 936 can't hold";
      return i;
    }
    const std::size_t length = two ? 2 : 3;
    const unsigned codePoint =
        length == 2 ? (lead & 0x1F) << 6 | (byte(i + 1) & 0x3F)
                    : (lead & 0x0F) << 12 | (byte(i + 1) & 0x3F) << 6 | (byte(i + 2) & 0x3F);
    Entry& entry = table_[codePoint];
    if (entry.state == 0) {
      const Conversion one = utf8ToCp936(utf8.substr(i, length));
      entry.state = 2;
      if (!one.error && !one.bytes.empty() && one.bytes.size() <= 2) {
        entry.state = 1;
        entry.size = static_cast<std::uint8_t>(one.bytes.size());
        entry.bytes = {one.bytes[0], one.bytes.size() == 2 ? one.bytes[1] : '\0'};
      }
    }
    if (entry.state != 1) {
      out.resize(to - out.data());
      what = "a character that code page 936 can't hold";
      return i;
    }
    to[0] = entry.bytes[0];
    to[1] = entry.bytes[1];
    to += entry.size;
    i += length;
  }
  out.resize(to - out.data());
  return std::nullopt;
}

}  // namespace tessaly
