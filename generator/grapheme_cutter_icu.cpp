#include <unicode/ubrk.h>
#include <unicode/utext.h>

#include <stdexcept>

#include "generator/grapheme_cutter.h"

namespace tessaly {

bool graphemeCuttingAvailable() {
  return true;
}

struct GraphemeCutter::State {
  UBreakIterator* breaks = nullptr;
  ~State() {
    if (breaks) ubrk_close(breaks);
  }
};

GraphemeCutter::GraphemeCutter() : state_(std::make_unique<State>()) {
  UErrorCode status = U_ZERO_ERROR;
  state_->breaks = ubrk_open(UBRK_CHARACTER, "", nullptr, 0, &status);
  if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
}

GraphemeCutter::~GraphemeCutter() = default;

std::size_t GraphemeCutter::cut(std::string_view text, bool last,
                                const std::function<void(std::string_view)>& onPiece) {
  if (text.empty()) return 0;
  UErrorCode status = U_ZERO_ERROR;
  UText* utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
  const std::unique_ptr<UText, decltype(&utext_close)> owned(utext, &utext_close);
  ubrk_setUText(state_->breaks, utext, &status);
  if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
  // UTF-8 text: the native indexes are byte offsets.
  std::size_t start = 0;
  for (int32_t end = ubrk_following(state_->breaks, 0); end != UBRK_DONE;
       end = ubrk_next(state_->breaks)) {
    const auto stop = static_cast<std::size_t>(end);
    if (stop == text.size() && !last) break;  // may go on in the next chunk
    onPiece(text.substr(start, stop - start));
    start = stop;
  }
  return start;
}

}  // namespace tessaly
