#include "ArchShape.h"

#include "Noise.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>

namespace archShape {

namespace {

constexpr uint32_t seed = 95;
constexpr float spread = glm::half_pi<float>() + 0.25f;

// The angle along the arch's curve, from -spread (one foot) to spread (the other).
float curveAngle(float along)
{
    return -spread + 2.0f * spread * along;
}

} // namespace

glm::vec3 centre(float along)
{
    const float a = curveAngle(along);
    const float wander = noise::fbm3(glm::vec3(a * 1.5f, 0.0f, 0.0f), 2, seed + 3);
    return glm::vec3(72.0f * std::sin(a) + 6.0f * wander, -22.0f + 152.0f * std::cos(a), 5.0f * std::sin(2.0f * a));
}

namespace {

// The curve's frame: `across` in the arch's plane (away from the curve's centre), `depth` through
// it (mostly z), both across the curve's direction.
struct Frame {
    glm::vec3 across;
    glm::vec3 depth;
};

Frame frameAt(float along)
{
    const float step = 1e-3f;
    const glm::vec3 direction =
        glm::normalize(centre(std::min(along + step, 1.0f)) - centre(std::max(along - step, 0.0f)));
    const glm::vec3 depth = glm::normalize(glm::vec3(0.0f, 0.0f, 1.0f) - direction * direction.z);
    return {glm::cross(depth, direction), depth};
}

// Thick legs that broaden where they meet the sand, a thinner span; one leg a little heavier.
glm::vec2 radiiAt(float along)
{
    const float a = curveAngle(along);
    const float legs = std::pow(std::abs(a) / spread, 3.0f);
    const float foot = glm::smoothstep(30.0f, 0.0f, centre(along).y);
    const float heavier = 1.0f + 0.1f * a / spread;
    return glm::vec2(15.0f + 17.0f * legs + 8.0f * foot, 17.0f + 7.0f * legs + 6.0f * foot) * heavier;
}

// Weathering of the cross-section: lumps, creases along the bedding and a hollowed underside.
float roughness(float along, float angle)
{
    const glm::vec3 p(std::cos(angle), std::sin(angle), along * 9.0f);
    const float lumps = noise::fbm3(p * 1.2f, 4, seed);
    const float crease = 1.0f - std::abs(noise::fbm3(p * glm::vec3(2.0f, 2.0f, 3.5f) + 11.0f, 3, seed + 1));
    const float bulges = noise::fbm3(glm::vec3(0.0f, 0.0f, along * 4.0f), 2, seed + 2);
    return 1.0f + 0.2f * lumps - 0.09f * crease * crease * crease + 0.12f * bulges;
}

} // namespace

glm::vec3 point(float along, float around)
{
    const float angle = glm::two_pi<float>() * around;
    const Frame frame = frameAt(along);
    const glm::vec2 radii = radiiAt(along) * roughness(along, angle);
    const glm::vec3 middle = centre(along);
    // The inside of the span (the side facing the centre of the curve) is worn hollow.
    const float inside =
        std::max(-std::cos(angle), 0.0f) * (1.0f - std::pow(std::abs(curveAngle(along)) / spread, 2.0f));
    return middle + frame.across * (radii.x * std::cos(angle) * (1.0f - 0.15f * inside)) -
           frame.depth * (radii.y * std::sin(angle));
}

} // namespace archShape
