// Builds without ICU (the Windows build) can't cut graphemes.
#include <stdexcept>

#include "generator/grapheme_cutter.h"

namespace tessaly {

bool graphemeCuttingAvailable() {
  return false;
}

struct GraphemeCutter::State {};

GraphemeCutter::GraphemeCutter() {
  throw std::runtime_error("this build has no grapheme cutting (no ICU)");
}

GraphemeCutter::~GraphemeCutter() = default;

std::size_t GraphemeCutter::cut(std::string_view, bool,
                                const std::function<void(std::string_view)>&) {
  return 0;
}

}  // namespace tessaly
