// HTML escaping of a piece's bytes, so that no text can add markup.
#pragma once

#include <string_view>

namespace tessaly {

// The escape of one byte: &amp; &lt; &gt; &quot;, or empty for a byte that
// stands as it is. The four are ASCII and never a trail byte of code page 936
// (those start at 0x40), nor part of a UTF-8 sequence.
constexpr std::string_view htmlEscapeOf(char byte) {
  switch (byte) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    default:
      return {};
  }
}

}  // namespace tessaly
