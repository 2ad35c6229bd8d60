// Cutting UTF-8 text into user-perceived characters (extended grapheme
// clusters), through ICU where the build has it.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

namespace tessaly {

// Whether this build can cut graphemes.
bool graphemeCuttingAvailable();

class GraphemeCutter {
 public:
  GraphemeCutter();  // throws std::runtime_error where ICU can't start
  ~GraphemeCutter();
  GraphemeCutter(const GraphemeCutter&) = delete;
  GraphemeCutter& operator=(const GraphemeCutter&) = delete;

  // As cutDisplayChars: the complete graphemes at the front of `text` (valid
  // UTF-8), handed on in order; returns the bytes they took. Without `last`
  // the final grapheme is left over, since more text may still extend it.
  std::size_t cut(std::string_view text, bool last,
                  const std::function<void(std::string_view)>& onPiece);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tessaly
