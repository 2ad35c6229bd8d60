// The forum code (BBCode) of one display character:
// "[color=#" RRGGBB "]" the character's bytes "[/color]".
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "generator/colour.h"

namespace tessaly {

struct GradientPiece;

inline constexpr std::string_view kOpenTag = "[color=#";
inline constexpr std::string_view kCloseTag = "[/color]";
// "[color=#", six digits, "]" and "[/color]": what a fragment adds to its character.
inline constexpr std::size_t kTagBytes = 23;
inline constexpr std::size_t kOpeningBytes = 15;  // "[color=#RRGGBB]"

// Two upper-case hexadecimal digits each for red, green and blue.
std::string colourHex(ColourRef colour);

// Writes the six digits of colourHex to `out`.
void writeColourHex(char* out, ColourRef colour);

// "[color=#RRGGBB]" for `colour`, padded to 16 bytes so it can be copied whole.
struct OpeningTag {
  char bytes[16];
  explicit OpeningTag(ColourRef colour);
};

// One piece's fragment, held inline.
class CodeFragment {
 public:
  explicit CodeFragment(const GradientPiece& piece);
  std::string_view view() const { return {bytes_, size_}; }

 private:
  char bytes_[kTagBytes + 2];
  std::size_t size_;
};

CodeFragment codeFragment(const GradientPiece& piece);

}  // namespace tessaly
