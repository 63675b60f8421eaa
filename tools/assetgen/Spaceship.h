#pragma once

#include "Mesh.h"

// Texture atlas of the spaceship: hull panels on the left three quarters, canopy glass,
// engine metal and exhaust glow stacked in the right quarter.
namespace shipAtlas {
constexpr float hullWidth = 0.75f;
constexpr float glassEnd = 0.5f;
constexpr float engineEnd = 0.85f;
} // namespace shipAtlas

// A small fighter about 10 units long: +y up, nose along +z, origin near its centre of mass.
Mesh spaceship();
