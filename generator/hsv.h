// Blending two colours through hue, saturation and value.
//
// A colour's value V is max/255 of its channels, its saturation S is
// (max - min)/max (0 for black), its hue H the usual hexcone angle in degrees
// from 0 (red) up to 360; a grey has no hue of its own and takes the other
// colour's (0 when both are grey). Between hues a and b the short way turns
// by d = b - a brought into (-180, 180]; the long way by d - 360 for d > 0
// and d + 360 for d < 0, with that same d (equal hues don't turn). At fraction f the blend has
// H = a + d f (mod 360) and S, V linear; back in RGB each channel is
// round(255 x), halves up.
#pragma once

#include "generator/colour.h"
#include "generator/gradient_style.h"

namespace tessaly {

// `f` from 0 to 1; `blend` is HsvShort or HsvLong.
ColourRef blendHsv(ColourRef from, ColourRef to, double f, Blend blend);

}  // namespace tessaly
