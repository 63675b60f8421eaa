#include "Noise.h"
#include "TextureNoise.h"
#include "Textures.h"

#include <glm/gtc/constants.hpp>

namespace {

constexpr int desertSize = 1024;
constexpr int cactusSize = 512;

float grain(glm::vec2 uv, uint32_t seed)
{
    return textureNoise::grain(uv, glm::ivec2(desertSize), seed);
}

// Wind ripples: a gentle windward slope and a short lee slope, in [0, 1].
float ripple(float phase)
{
    const float f = phase - std::floor(phase);
    return f < 0.7f ? f / 0.7f : (1.0f - f) / 0.3f;
}

float sandHeight(glm::vec2 uv)
{
    const float warp = 1.3f * noise::fbm2(uv * 6.0f, 6, 3, 11);
    const float ripples = ripple(5.0f * uv.x + 34.0f * uv.y + warp);
    const float swell = noise::fbm2(uv * 4.0f, 4, 4, 12);
    return 1.6f * ripples + 10.0f * swell;
}

glm::vec3 sandColor(glm::vec2 uv)
{
    const float patches = noise::fbm2(uv * 5.0f, 5, 4, 13) * 0.5f + 0.5f;
    const float warp = 1.3f * noise::fbm2(uv * 6.0f, 6, 3, 11);
    const float crest = ripple(5.0f * uv.x + 34.0f * uv.y + warp);
    glm::vec3 color = glm::mix(rgb(206, 162, 110), rgb(228, 192, 140), patches);
    color *= 0.93f + 0.1f * crest;
    const float speck = grain(uv, 14);
    if (speck < 0.03f) {
        color *= 0.72f;
    } else if (speck > 0.985f) {
        color = glm::mix(color, glm::vec3(1.0f), 0.35f);
    }
    return color * (0.96f + 0.06f * grain(uv, 15));
}

// Offset in texels from the nearest areole; areoles sit on the ridges, ten to a tile.
glm::vec2 areoleOffset(glm::vec2 uv)
{
    const glm::vec2 cell(uv.x * 12.0f, uv.y * 10.0f);
    const glm::vec2 nearest(std::round(cell.x), std::floor(cell.y) + 0.5f);
    return (cell - nearest) / glm::vec2(12.0f, 10.0f) * static_cast<float>(cactusSize);
}

// Five thin spines radiate from every areole.
bool onSpine(glm::vec2 offset)
{
    const float distance = glm::length(offset);
    if (distance < 3.0f || distance > 10.0f) {
        return false;
    }
    const float turns = std::atan2(offset.y, offset.x) / glm::two_pi<float>() * 5.0f + 0.1f;
    return std::abs(turns - std::round(turns)) * glm::two_pi<float>() / 5.0f * distance < 0.6f;
}

// 0 on a ridge, 1 in a groove.
float ribDepth(glm::vec2 uv)
{
    const float rib = uv.x * 12.0f;
    return 2.0f * std::abs(rib - std::round(rib));
}

float cactusHeight(glm::vec2 uv)
{
    const float depth = ribDepth(uv);
    const float areole = glm::smoothstep(4.0f, 1.5f, glm::length(areoleOffset(uv)));
    return -9.0f * depth * depth + 3.0f * areole + 1.5f * noise::fbm2(glm::vec2(uv.x * 24.0f, uv.y * 4.0f), 4, 3, 31);
}

glm::vec3 cactusColor(glm::vec2 uv)
{
    const float depth = ribDepth(uv);
    glm::vec3 color = glm::mix(rgb(96, 138, 70), rgb(40, 78, 38), std::pow(depth, 1.5f));
    const float streaks = noise::fbm2(glm::vec2(uv.x * 96.0f, uv.y * 6.0f), 6, 3, 32);
    color *= 0.9f + 0.15f * streaks;
    const glm::vec2 offset = areoleOffset(uv);
    color = glm::mix(color, rgb(214, 204, 176), glm::smoothstep(4.0f, 2.0f, glm::length(offset)));
    return onSpine(offset) ? rgb(232, 226, 204) : color;
}

} // namespace

SurfaceTexture groundTexture()
{
    SurfaceTexture texture{Image(desertSize, desertSize), HeightField(desertSize, desertSize), 0.6f, {}};
    fillImage(texture.color, sandColor);
    fillHeight(texture.height, sandHeight);
    return texture;
}

SurfaceTexture cactusTexture()
{
    SurfaceTexture texture{Image(cactusSize, cactusSize), HeightField(cactusSize, cactusSize), 0.7f, {}};
    fillImage(texture.color, cactusColor);
    fillHeight(texture.height, cactusHeight);
    return texture;
}
