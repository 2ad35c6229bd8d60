// Named gradients of our own, for --preset.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "generator/gradient_style.h"

namespace tessaly {

struct GradientPreset {
  std::string_view name;
  std::string_view description;
  std::vector<ColourStop> stops;
};

std::span<const GradientPreset> gradientPresets();

// The preset of that name, or none.
const GradientPreset* findPreset(std::string_view name);

}  // namespace tessaly
