#include "TextureNoise.h"

#include "Noise.h"

#include <glm/gtc/constants.hpp>

namespace textureNoise {

float grain(glm::vec2 uv, glm::ivec2 size, uint32_t seed)
{
    const glm::vec2 texel = glm::floor(uv * glm::vec2(size));
    return noise::random(static_cast<int>(texel.x), static_cast<int>(texel.y), 0, seed);
}

float aroundFbm(float u, float turns, float along, int octaves, uint32_t seed)
{
    const float radius = turns / glm::two_pi<float>();
    const float angle = glm::two_pi<float>() * u;
    return noise::fbm3(glm::vec3(std::cos(angle) * radius, std::sin(angle) * radius, along), octaves, seed);
}

} // namespace textureNoise
