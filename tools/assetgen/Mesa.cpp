#include "Lathe.h"
#include "MesaLayers.h"
#include "Noise.h"
#include "Rocks.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>

namespace rocks {

namespace {

using namespace mesaLayers;

constexpr uint32_t seed = 91;
constexpr float radius = 34.0f;
// Where the upper tier steps back from the cliff.
constexpr float tierStep = 49.0f;
// The texture repeats this many times around the mesa.
constexpr float tilesAround = 4.0f;

// Noise around the mesa's outline: a function of the angle that closes on itself.
float aroundNoise(float angle, float frequency, float height, int octaves, uint32_t salt)
{
    const glm::vec2 onCircle = glm::vec2(std::cos(angle), std::sin(angle)) * frequency;
    return noise::fbm2(onCircle + glm::vec2(height, 3.7f * static_cast<float>(salt)), 0, octaves, seed + salt);
}

// The rim's height: worn down in places, with a few notches where gullies cut back into the cap.
float rimHeight(float angle)
{
    const float wear = 3.0f * std::max(aroundNoise(angle, 2.5f, 0.0f, 3, 1), 0.0f);
    const float gully = std::pow(std::max(aroundNoise(angle, 4.0f, 0.0f, 2, 2), 0.0f), 2.0f);
    return capTop - wear - 16.0f * gully;
}

// How far a layer stands out: hard layers form ledges, soft ones are worn back. Read over a
// little height so the steps between layers are rounded.
float ledge(float height)
{
    float relief = 0.0f;
    for (const float offset : {-0.6f, 0.0f, 0.6f}) {
        relief += layerAt(height + offset).hard ? 0.022f : -0.012f;
    }
    return relief / 3.0f;
}

float cliffRadius(float angle, float height)
{
    const float outline =
        1.0f + 0.17f * aroundNoise(angle, 1.4f, 0.0f, 4, 3) + 0.06f * aroundNoise(angle, 4.5f, height / 22.0f, 3, 4);
    const float batter = 1.0f + 0.035f * (capTop - height) / (capTop - cliffFoot);
    const float rounding = 1.0f - 0.05f * glm::smoothstep(rimHeight(angle) - 2.5f, rimHeight(angle), height);
    // The upper tier, under the cap, is worn further back than the cliff below it.
    const float tier = 1.0f - (0.08f + 0.06f * aroundNoise(angle, 2.2f, 0.0f, 2, 8)) *
                                  glm::smoothstep(tierStep - 0.8f, tierStep + 0.8f, height);
    return radius * outline * batter * (1.0f + ledge(height)) * rounding * tier;
}

// The talus spreads from the cliff's foot in a slope that flattens out, with lumps of fallen rock.
float talusRadius(float angle, float height)
{
    const float depth = cliffFoot - height;
    const float spread =
        (0.95f * depth + 0.01f * depth * depth) * (1.0f + 0.25f * aroundNoise(angle, 2.0f, 0.0f, 3, 5));
    const float scree = 1.5f * aroundNoise(angle, 9.0f, height / 6.0f, 2, 6) * std::min(depth / 4.0f, 1.0f);
    return cliffRadius(angle, cliffFoot) + spread + scree;
}

// A ring is a wall ring at a nominal height (the cliff's rings follow the rim's height around), or,
// above the rim, a ring of the cap at a share of the rim's radius.
struct RingPlan {
    bool cap;
    float value;
};

std::vector<RingPlan> ringPlans()
{
    std::vector<RingPlan> plans;
    for (const float height : {rootBottom, -12.0f, -3.0f, 4.0f, 10.0f, 15.0f, 19.0f, 22.5f, 25.5f, 27.8f, 29.2f}) {
        plans.push_back({false, height});
    }
    const int cliffRings = 22;
    for (int i = 0; i <= cliffRings; ++i) {
        plans.push_back({false, cliffFoot + (capTop - cliffFoot) * static_cast<float>(i) / cliffRings});
    }
    for (const float share : {0.82f, 0.55f, 0.25f}) {
        plans.push_back({true, share});
    }
    return plans;
}

float capSurface(glm::vec2 across, float angle, float share)
{
    const float bump = 0.6f * noise::fbm2(across / 12.0f, 0, 3, seed + 7);
    return glm::mix(capTop - 0.5f, rimHeight(angle), share * share) + bump * share;
}

glm::vec3 mesaPoint(const RingPlan& plan, float angle)
{
    const glm::vec2 around(std::cos(angle), std::sin(angle));
    if (plan.cap) {
        const glm::vec2 across = around * cliffRadius(angle, rimHeight(angle)) * plan.value;
        return glm::vec3(across.x, capSurface(across, angle, plan.value), across.y);
    }
    if (plan.value < cliffFoot) {
        const glm::vec2 across = around * talusRadius(angle, plan.value);
        return glm::vec3(across.x, plan.value, across.y);
    }
    const float share = (plan.value - cliffFoot) / (capTop - cliffFoot);
    const float height = cliffFoot + share * (rimHeight(angle) - cliffFoot);
    const glm::vec2 across = around * cliffRadius(angle, height);
    return glm::vec3(across.x, height, across.y);
}

} // namespace

Mesh mesa()
{
    const std::vector<RingPlan> plans = ringPlans();
    LatheShape shape;
    shape.segments = 84;
    for (size_t i = 0; i < plans.size(); ++i) {
        shape.rings.push_back(static_cast<float>(i));
    }
    shape.point = [&](float angle, float ring) { return mesaPoint(plans.at(static_cast<size_t>(ring)), angle); };
    shape.bottomPole = glm::vec3(0.0f, rootBottom, 0.0f);
    shape.topPole = glm::vec3(0.0f, capSurface(glm::vec2(0.0f), 0.0f, 0.0f), 0.0f);
    shape.uv = [](glm::vec3 position, float angle, float) {
        return glm::vec2(tilesAround * angle / glm::two_pi<float>(), textureV(position.y));
    };
    return lathe(shape);
}

} // namespace rocks
