#pragma once

#include <glm/glm.hpp>

#include <cstdint>

// Deterministic lattice noise: the same seed gives the same assets on every machine.
namespace noise {

uint32_t hash(int x, int y, int z, uint32_t seed);
// A value in [0, 1) from the hash, for per-cell random choices.
float random(int x, int y, int z, uint32_t seed);

// Value noise in [-1, 1]. A period > 0 wraps the lattice, so the noise tiles every `period` units.
float value2(glm::vec2 p, int period, uint32_t seed);
float value3(glm::vec3 p, uint32_t seed);

// Fractal sums normalised to about [-1, 1]; each octave doubles the frequency (and the period).
float fbm2(glm::vec2 p, int period, int octaves, uint32_t seed);
float fbm3(glm::vec3 p, int octaves, uint32_t seed);

// Distance from p to the nearest border between the cells of a jittered grid (one random point per unit cell,
// each point's cell the region nearest to it): 0 on a border, rising inside the cells, so its small values draw a
// network of polygonal cracks. A period component > 0 wraps the grid along that axis.
float cellEdge(glm::vec2 p, glm::ivec2 period, uint32_t seed);

} // namespace noise
