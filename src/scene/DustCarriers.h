#pragma once

#include "scene/Particle.h"

#include <cstdint>
#include <vector>

// The indices of the particles that can ever be drawn, in ascending order: the
// draws take them as an index list, so the geometry stage never runs for the
// rest, and the sprites still blend in the order of the particles.
std::vector<uint32_t> dustCarriers(const std::vector<Particle>& particles);
