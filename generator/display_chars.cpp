#include "generator/display_chars.h"

namespace tessaly {

std::vector<std::string_view> splitDisplayChars(std::string_view text) {
  text = untilNul(text);
  std::vector<std::string_view> chars;
  chars.reserve(countDisplayChars(text));
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = displayCharLength(text, pos);
    chars.push_back(text.substr(pos, length));
    pos += length;
  }
  return chars;
}

std::size_t countDisplayChars(std::string_view text) {
  text = untilNul(text);
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) pos += displayCharLength(text, pos);
  return count;
}

}  // namespace tessaly
