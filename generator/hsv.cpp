#include "generator/hsv.h"

#include <algorithm>
#include <cmath>

namespace tessaly {
namespace {

struct Hsv {
  double h;  // degrees, 0 <= h < 360
  double s, v;
  bool grey;
};

Hsv toHsv(ColourRef colour) {
  const int r = redOf(colour), g = greenOf(colour), b = blueOf(colour);
  const int max = std::max({r, g, b}), min = std::min({r, g, b});
  Hsv hsv{0.0, max == 0 ? 0.0 : double(max - min) / max, max / 255.0, max == min};
  if (hsv.grey) return hsv;
  const double c = max - min;
  double h;
  if (max == r)
    h = (g - b) / c;
  else if (max == g)
    h = (b - r) / c + 2;
  else
    h = (r - g) / c + 4;
  h *= 60;
  if (h < 0) h += 360;
  hsv.h = h;
  return hsv;
}

std::uint8_t toChannel(double x) {
  return static_cast<std::uint8_t>(std::clamp(std::floor(255 * x + 0.5), 0.0, 255.0));
}

ColourRef toRgb(double h, double s, double v) {
  const double c = v * s;
  const double sector = h / 60;
  const double x = c * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(sector) % 6) {
    case 0:
      r = c, g = x;
      break;
    case 1:
      r = x, g = c;
      break;
    case 2:
      g = c, b = x;
      break;
    case 3:
      g = x, b = c;
      break;
    case 4:
      r = x, b = c;
      break;
    default:
      r = c, b = x;
      break;
  }
  const double m = v - c;
  return rgb(toChannel(r + m), toChannel(g + m), toChannel(b + m));
}

}  // namespace

ColourRef blendHsv(ColourRef from, ColourRef to, double f, Blend blend) {
  Hsv a = toHsv(from), b = toHsv(to);
  if (a.grey) a.h = b.grey ? 0.0 : b.h;
  if (b.grey) b.h = a.h;
  double turn = b.h - a.h;  // the short way first
  if (turn > 180) turn -= 360;
  if (turn <= -180) turn += 360;
  if (blend == Blend::HsvLong) {
    if (turn > 0)
      turn -= 360;
    else if (turn < 0)
      turn += 360;
  }
  double h = std::fmod(a.h + turn * f, 360.0);
  if (h < 0) h += 360;
  return toRgb(h, a.s + (b.s - a.s) * f, a.v + (b.v - a.v) * f);
}

}  // namespace tessaly
