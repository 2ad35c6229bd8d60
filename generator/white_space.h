// The pieces that --skip-space keeps out of the tags: space, tab, CR, LF, the
// ideographic space, and in grapheme mode CR LF, which is one piece there.
#pragma once

#include <string_view>

namespace tessaly {

enum class TextEncoding { Cp936, Utf8 };

constexpr bool isWhiteSpacePiece(std::string_view piece, TextEncoding encoding) {
  if (piece.size() == 1) {
    const char c = piece[0];
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
  }
  if (encoding == TextEncoding::Cp936) return piece == "\xA1\xA1";
  return piece == "\r\n" || piece == "\xE3\x80\x80";
}

}  // namespace tessaly
