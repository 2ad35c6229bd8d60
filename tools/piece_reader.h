// Reading the tool's text chunk by chunk, converting each chunk and cutting
// it into pieces, in constant memory. Every pass over the text (counting,
// measuring, writing) reads it this way.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/display_char_cutter.h"
#include "generator/grapheme_cutter.h"
#include "tools/cp936_narrower.h"
#include "tools/input_source.h"
#include "tools/text_encoding.h"

namespace tessaly {

enum class InputMode {
  Raw,        // code page 936 bytes, cut into display characters
  Utf8,       // UTF-8, converted to code page 936, cut into display characters
  Graphemes,  // UTF-8, kept, cut into user-perceived characters
};

struct TextError {
  std::size_t offset;  // in the input bytes
  std::string what;
  std::string message = {};  // where set, the whole message instead
};

// The length of the front of `bytes` that ends on a whole UTF-8 sequence:
// a sequence cut short at the end is left for the next chunk.
std::size_t wholeUtf8Prefix(std::string_view bytes);

// Calls onPiece(piece) for every piece of the text in order; stops at the
// first bad byte and says where it is.
template <class OnPiece>
std::optional<TextError> forEachPiece(InputSource& source, InputMode mode, std::size_t chunkBytes,
                                      OnPiece&& onPiece) {
  source.rewind();
  std::unique_ptr<GraphemeCutter> graphemes;
  if (mode == InputMode::Graphemes) graphemes = std::make_unique<GraphemeCutter>();
  const std::function<void(std::string_view)> graphemePiece = [&](std::string_view piece) {
    onPiece(piece);
  };
  Cp936Narrower narrower;
  std::vector<char> buffer(chunkBytes < 1 ? 1 : chunkBytes);
  std::string raw;            // input bytes not yet converted
  std::string pieces;         // converted text not yet cut
  std::size_t rawOffset = 0;  // of raw's first byte in the input
  for (bool end = false; !end;) {
    const std::size_t got = source.read(buffer.data(), buffer.size());
    end = got == 0;
    const std::size_t carried = raw.size();
    raw.append(buffer.data(), got);
    if (const auto nul = raw.find('\0', carried); nul != std::string::npos)
      return TextError{rawOffset + nul, "a NUL byte"};

    const std::size_t usable = end || mode == InputMode::Raw ? raw.size() : wholeUtf8Prefix(raw);
    const std::string_view part(raw.data(), usable);
    if (mode == InputMode::Utf8) {
      std::string what;
      if (const auto bad = narrower.narrow(part, pieces, what))
        return TextError{rawOffset + *bad, what};
    } else {
      if (mode == InputMode::Graphemes)
        if (const auto bad = findInvalidUtf8(part))
          return TextError{rawOffset + *bad, "not valid UTF-8"};
      pieces.append(part);
    }
    raw.erase(0, usable);
    rawOffset += usable;

    const std::size_t used = graphemes ? graphemes->cut(pieces, end, graphemePiece)
                                       : cutDisplayChars(pieces, end, onPiece);
    pieces.erase(0, used);
  }
  return std::nullopt;
}

}  // namespace tessaly
