#include "Lathe.h"
#include "Noise.h"
#include "Rocks.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>
#include <array>

namespace rocks {

namespace {

constexpr uint32_t seed = 81;
// Deep enough to reach the sand in the troughs between the far dunes, at the scale of the rock row.
constexpr float bottom = -1.6f;
constexpr float centreHeight = 1.0f;
constexpr float crown = 3.7f;
// Where the body stops narrowing downwards and the root goes straight into the sand.
constexpr float waist = 0.25f;
const glm::vec3 radii(2.6f, 0.0f, 2.2f);
const glm::vec3 lean3(0.5f, 0.0f, -0.3f);
// One texture tile spans this many units in both directions.
constexpr float tileSize = 5.5f;

// A few fracture planes cut flat faces into the rounded body, softly: a boulder breaks along joints.
struct Fracture {
    glm::vec3 normal;
    float offset;
};

std::array<Fracture, 5> fractures()
{
    std::array<Fracture, 5> planes{};
    for (size_t i = 0; i < planes.size(); ++i) {
        const int n = static_cast<int>(i);
        const float azimuth = glm::two_pi<float>() * noise::random(n, 0, 0, seed);
        const float elevation = (noise::random(n, 1, 0, seed) - 0.3f) * 1.3f;
        planes[i] = {glm::vec3(std::cos(elevation) * std::cos(azimuth), std::sin(elevation),
                               std::cos(elevation) * std::sin(azimuth)),
                     0.82f + 0.12f * noise::random(n, 2, 0, seed)};
    }
    return planes;
}

float smoothMin(float a, float b, float k)
{
    const float h = std::clamp(0.5f + 0.5f * (b - a) / k, 0.0f, 1.0f);
    return glm::mix(b, a, h) - k * h * (1.0f - h);
}

// Radius factor along a unit direction from the body's centre: broad lobes, ridged creases
// and a fine grain, then the fracture faces.
float relief(glm::vec3 direction)
{
    static const std::array<Fracture, 5> planes = fractures();
    const float lobes = noise::fbm3(direction * 1.1f, 3, seed + 1);
    const float crease = 1.0f - std::abs(noise::fbm3(direction * 2.4f + 7.0f, 3, seed + 2));
    const float grain = noise::fbm3(direction * 6.0f, 2, seed + 3);
    float r = 1.0f + 0.28f * lobes - 0.12f * crease * crease * crease + 0.03f * grain;
    for (const Fracture& plane : planes) {
        const float facing = glm::dot(direction, plane.normal);
        if (facing > 0.05f) {
            r = smoothMin(r, plane.offset / facing, 0.12f);
        }
    }
    return r;
}

// The rock's outline at a height: a dome over the waist, then a root that keeps the waist's girth
// and relief down to the bottom, so that it meets the sand however far the dunes fall away.
glm::vec3 bodyPoint(float angle, float ring)
{
    const glm::vec3 centre(0.0f, centreHeight, 0.0f);
    const glm::vec3 around(std::cos(angle), 0.0f, std::sin(angle));
    const float y = std::max(ring, waist);
    const float above = (y - waist) / (crown - waist);
    // Steeper flanks and a broader top than an ellipse's, and the top leaning off the middle.
    const float girth = std::pow(std::max(1.0f - std::pow(above, 2.6f), 0.0f), 1.0f / 2.6f);
    const glm::vec3 lean = lean3 * above * above;
    const glm::vec3 fromCentre = around * radii * girth + glm::vec3(0.0f, y - centreHeight, 0.0f) + lean;
    const float length = glm::length(fromCentre);
    const glm::vec3 direction = length > 1e-5f ? fromCentre / length : glm::vec3(0.0f, 1.0f, 0.0f);
    const glm::vec3 surface = centre + fromCentre * relief(direction);
    return ring < waist ? glm::vec3(surface.x, surface.y - (waist - ring), surface.z) : surface;
}

std::vector<float> ringHeights()
{
    std::vector<float> heights = {bottom, -1.0f, -0.5f, 0.0f};
    const int domeRings = 22;
    for (int i = 0; i < domeRings; ++i) {
        const float s = static_cast<float>(i + 1) / static_cast<float>(domeRings + 1);
        heights.push_back(waist + (crown - waist) * std::sin(s * glm::half_pi<float>()));
    }
    return heights;
}

} // namespace

Mesh boulder()
{
    LatheShape shape;
    shape.segments = 44;
    shape.rings = ringHeights();
    shape.point = bodyPoint;
    shape.bottomPole = glm::vec3(0.0f, bottom, 0.0f);
    shape.topPole = bodyPoint(0.0f, crown);
    shape.uv = [](glm::vec3 position, float angle, float) {
        return glm::vec2(3.0f * angle / glm::two_pi<float>(), (crown - position.y) / tileSize);
    };
    return lathe(shape);
}

} // namespace rocks
