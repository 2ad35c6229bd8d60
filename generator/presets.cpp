#include "generator/presets.h"

namespace tessaly {
namespace {

constexpr ColourRef hex(unsigned rrggbb) {
  return rgb(static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
             static_cast<std::uint8_t>(rrggbb));
}

std::vector<ColourStop> stopsOf(std::initializer_list<unsigned> colours) {
  std::vector<ColourStop> stops;
  for (const unsigned c : colours) stops.push_back({hex(c)});
  return stops;
}

}  // namespace

std::span<const GradientPreset> gradientPresets() {
  static const std::vector<GradientPreset> presets = {
      {"rainbow", "red, orange, yellow, green, cyan, blue, violet",
       stopsOf({0xFF0000, 0xFF8000, 0xFFFF00, 0x00C000, 0x00C0FF, 0x0040FF, 0x8000FF})},
      {"sunset", "deep violet through rose to warm gold", stopsOf({0x3A1C71, 0xD76D77, 0xFFAF7B})},
      {"ocean", "light sea blue to deep navy", stopsOf({0x00C6FF, 0x0072FF, 0x002A6E})},
      {"forest", "pine to spring green", stopsOf({0x0B3D20, 0x2E8B57, 0x9ACD32})},
      {"fire", "yellow through orange to red", stopsOf({0xFFE000, 0xFF7A00, 0xD00000})},
      {"ice", "white to glacier blue", stopsOf({0xE0F7FF, 0x7FD4FF, 0x1E6FD9})},
      {"candy", "pink to violet and back", stopsOf({0xFF5FA2, 0x9B5CFF, 0xFF5FA2})},
      {"gold", "dark bronze to bright gold and back", stopsOf({0x8A5A00, 0xFFD700, 0x8A5A00})},
  };
  return presets;
}

const GradientPreset* findPreset(std::string_view name) {
  for (const GradientPreset& preset : gradientPresets())
    if (preset.name == name) return &preset;
  return nullptr;
}

}  // namespace tessaly
