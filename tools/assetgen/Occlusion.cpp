#include "Occlusion.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The horizon is looked for along eight directions, out to 24 texels: far enough for the
// ledges and grooves of the textures, near enough that their large swells do not count.
constexpr int directionCount = 8;
constexpr std::array<int, 6> reaches = {1, 2, 4, 7, 12, 24};

// The sine of the highest horizon seen from texel (x, y) along `direction`, 0 when nothing
// rises above the texel.
float horizonSine(const HeightField& field, float strength, int x, int y, glm::vec2 direction)
{
    const float here = field.wrapped(x, y) * strength;
    float steepest = 0.0f;
    for (const int reach : reaches) {
        const glm::ivec2 step(glm::round(direction * static_cast<float>(reach)));
        const float rise = field.wrapped(x + step.x, y + step.y) * strength - here;
        steepest = std::max(steepest, rise / glm::length(glm::vec2(step)));
    }
    return steepest / std::sqrt(1.0f + steepest * steepest);
}

float occlusionAt(const HeightField& field, float strength, int x, int y)
{
    float blocked = 0.0f;
    for (int i = 0; i < directionCount; ++i) {
        const float angle = glm::two_pi<float>() * static_cast<float>(i) / directionCount;
        blocked += horizonSine(field, strength, x, y, glm::vec2(std::cos(angle), std::sin(angle)));
    }
    return std::clamp(1.0f - blocked / directionCount, 0.0f, 1.0f);
}

} // namespace

std::vector<float> heightOcclusion(const HeightField& field, float strength)
{
    std::vector<float> occlusion(field.values.size(), 1.0f);
    forEachRow(field.height, [&](int y) {
        for (int x = 0; x < field.width; ++x) {
            occlusion[static_cast<size_t>(y) * field.width + x] = occlusionAt(field, strength, x, y);
        }
    });
    return occlusion;
}
