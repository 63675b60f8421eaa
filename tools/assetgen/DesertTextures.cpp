#include "Noise.h"
#include "Textures.h"

#include <glm/gtc/constants.hpp>

#include <array>

namespace {

constexpr int desertSize = 1024;
constexpr int cactusSize = 512;

// Per-texel grain: a hash of the texel, independent of neighbours, so it tiles trivially.
float grain(glm::vec2 uv, int size, uint32_t seed)
{
    return noise::random(static_cast<int>(uv.x * size), static_cast<int>(uv.y * size), 0, seed);
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
    const float speck = grain(uv, desertSize, 14);
    if (speck < 0.03f) {
        color *= 0.72f;
    } else if (speck > 0.985f) {
        color = glm::mix(color, glm::vec3(1.0f), 0.35f);
    }
    return color * (0.96f + 0.06f * grain(uv, desertSize, 15));
}

// Sedimentary layers: `bandCount` wavy horizontal bands per tile (v runs down the rock faces).
struct Strata {
    int bandCount;
    uint32_t seed;
    std::array<glm::vec3, 4> palette;
};

float bandCoordinate(const Strata& strata, glm::vec2 uv)
{
    return strata.bandCount * uv.y + 0.9f * noise::fbm2(uv * 3.0f, 3, 3, strata.seed);
}

float strataHeight(const Strata& strata, glm::vec2 uv)
{
    const float band = bandCoordinate(strata, uv);
    const float ledge = std::floor(band) + glm::smoothstep(0.75f, 1.0f, band - std::floor(band));
    const float cracks = 1.0f - std::abs(noise::fbm2(uv * 8.0f, 8, 4, strata.seed + 1));
    return -2.5f * ledge + 14.0f * noise::fbm2(uv * 8.0f, 8, 5, strata.seed + 2) - 4.0f * std::pow(cracks, 24.0f);
}

glm::vec3 strataColor(const Strata& strata, glm::vec2 uv)
{
    const float band = bandCoordinate(strata, uv);
    const int index = static_cast<int>(std::floor(band));
    const auto pick = [&](int i) {
        const int wrapped = ((i % strata.bandCount) + strata.bandCount) % strata.bandCount;
        return strata.palette[static_cast<size_t>(noise::random(wrapped, 0, 0, strata.seed) * 4.0f)];
    };
    const float blend = glm::smoothstep(0.8f, 1.0f, band - std::floor(band));
    glm::vec3 color = glm::mix(pick(index), pick(index + 1), blend);
    color *= 0.82f + 0.3f * (noise::fbm2(uv * 16.0f, 16, 4, strata.seed + 3) * 0.5f + 0.5f);
    const float cracks = 1.0f - std::abs(noise::fbm2(uv * 8.0f, 8, 4, strata.seed + 1));
    color *= 1.0f - 0.3f * std::pow(cracks, 24.0f);
    return color * (0.95f + 0.08f * grain(uv, desertSize, strata.seed + 4));
}

SurfaceTexture strataTexture(const Strata& strata, float normalStrength)
{
    SurfaceTexture texture{Image(desertSize, desertSize), HeightField(desertSize, desertSize), normalStrength};
    fillImage(texture.color, [&](glm::vec2 uv) { return strataColor(strata, uv); });
    fillHeight(texture.height, [&](glm::vec2 uv) { return strataHeight(strata, uv); });
    return texture;
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
    SurfaceTexture texture{Image(desertSize, desertSize), HeightField(desertSize, desertSize), 0.6f};
    fillImage(texture.color, sandColor);
    fillHeight(texture.height, sandHeight);
    return texture;
}

SurfaceTexture rockTexture()
{
    const Strata strata{10, 41, {rgb(112, 102, 90), rgb(138, 124, 106), rgb(156, 144, 126), rgb(96, 88, 80)}};
    return strataTexture(strata, 0.8f);
}

SurfaceTexture redRockTexture()
{
    const Strata strata{14, 51, {rgb(150, 58, 34), rgb(182, 84, 44), rgb(206, 118, 64), rgb(128, 46, 30)}};
    return strataTexture(strata, 0.8f);
}

SurfaceTexture redRock2Texture()
{
    const Strata strata{9, 61, {rgb(196, 96, 52), rgb(222, 150, 96), rgb(170, 70, 40), rgb(232, 188, 140)}};
    return strataTexture(strata, 0.8f);
}

SurfaceTexture cactusTexture()
{
    SurfaceTexture texture{Image(cactusSize, cactusSize), HeightField(cactusSize, cactusSize), 0.7f};
    fillImage(texture.color, cactusColor);
    fillHeight(texture.height, cactusHeight);
    return texture;
}
