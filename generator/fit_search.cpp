#include "generator/fit_search.h"

namespace tessaly {

std::optional<std::uint32_t> mostStepsThatFit(std::uint32_t most,
                                              const std::function<bool(std::uint32_t)>& fits) {
  if (most == 0 || !fits(1)) return std::nullopt;
  if (fits(most)) return most;
  // fits(low) and not fits(high) throughout.
  std::uint32_t low = 1, high = most;
  while (high - low > 1) {
    const std::uint32_t mid = low + (high - low) / 2;
    (fits(mid) ? low : high) = mid;
  }
  return low;
}

}  // namespace tessaly
