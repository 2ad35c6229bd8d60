// The most colour steps whose code still fits a limit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace tessaly {

// `fits(s)` tells whether the code with s steps fits. The code grows with
// the steps, so the answer is found by bisection over 1..most: the largest s
// found with fits(s) and, below `most`, not fits(s + 1). None when even one
// step doesn't fit.
std::optional<std::uint32_t> mostStepsThatFit(std::uint32_t most,
                                              const std::function<bool(std::uint32_t)>& fits);

}  // namespace tessaly
