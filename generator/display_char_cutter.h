// Cutting a code page 936 text that arrives in chunks into display
// characters, by the same rule as splitDisplayChars.
#pragma once

#include <cstddef>
#include <string_view>

#include "generator/display_chars.h"

namespace tessaly {

// Hands every complete display character at the front of `text` to `onPiece`
// and returns the bytes they took. Without `last`, a lead byte at the very
// end is left over: the caller gives it again in front of the next chunk.
template <class OnPiece>
std::size_t cutDisplayChars(std::string_view text, bool last, OnPiece&& onPiece) {
  std::size_t pos = 0;
  const std::size_t size = text.size();
  while (pos < size) {
    if (!opensPair(text[pos])) {
      onPiece(text.substr(pos, 1));
      ++pos;
    } else if (pos + 1 < size) {
      onPiece(text.substr(pos, 2));
      pos += 2;
    } else {
      if (!last) break;
      onPiece(text.substr(pos, 1));
      ++pos;
    }
  }
  return pos;
}

}  // namespace tessaly
