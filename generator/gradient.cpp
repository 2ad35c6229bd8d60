#include "generator/gradient.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

#include "generator/colour_ramp.h"
#include "generator/display_chars.h"
#include "generator/forum_code.h"

namespace tessaly {

GradientResult generateGradient(std::string_view text, ColourRef start, ColourRef end) {
  text = untilNul(text);
  const std::size_t count = countDisplayChars(text);
  GradientResult result;
  if (count == 0) return result;
  // The piece count is a 32-bit signed number; a text with more pieces would
  // need over 50 GB for its result.
  if (count > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::bad_alloc();

  const RampRuns ramp(start, end, static_cast<std::int32_t>(count));
  result.pieces = OwnedArray<GradientPiece>(count);
  result.code = ByteString(kTagBytes * count + text.size());

  // One pass writes each piece and its fragment. Every copy below has a fixed
  // size; the opening tag is copied as 16 bytes, its last byte overwritten by
  // the character that follows it.
  const char* in = text.data();
  const char* const inEnd = in + text.size();
  char* out = result.code.data();
  GradientPiece* piece = result.pieces.data();
  const auto& runs = ramp.runs();
  for (std::size_t r = 0; r < runs.size(); ++r) {
    const OpeningTag opening(runs[r].colour);
    const GradientPiece* const runEnd =
        result.pieces.data() + (r + 1 < runs.size() ? runs[r + 1].first : count);
    for (; piece != runEnd; ++piece) {
      const bool pair = opensPair(*in) && in + 1 < inEnd;
      piece->text[0] = in[0];
      piece->text[1] = pair ? in[1] : '\0';
      piece->text[2] = '\0';
      piece->colour = runs[r].colour;

      std::memcpy(out, opening.bytes, 16);
      out += kOpeningBytes;
      out[0] = in[0];
      out[1] = piece->text[1];  // overwritten by the closing tag for one byte
      const std::size_t length = pair ? 2 : 1;
      out += length;
      in += length;
      std::memcpy(out, kCloseTag.data(), kCloseTag.size());
      out += kCloseTag.size();
    }
  }
  return result;
}

}  // namespace tessaly
