#pragma once

#include <glm/glm.hpp>

#include <cstdint>

// Noise for textures that wrap.
namespace textureNoise {

// Per-texel grain in [0, 1): a hash of the texel of `size` that holds uv, independent of its neighbours, so it
// tiles trivially.
float grain(glm::vec2 uv, glm::ivec2 size, uint32_t seed);

// Fractal noise (about -1 … 1) that wraps in u but not in the other coordinate: u goes round a circle `turns`
// lattice cells long, `along` runs straight.
float aroundFbm(float u, float turns, float along, int octaves, uint32_t seed);

} // namespace textureNoise
