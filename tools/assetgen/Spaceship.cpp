#include "Spaceship.h"

#include "Sweep.h"

#include <glm/gtc/constants.hpp>

#include <vector>

namespace {

constexpr float tailZ = -4.6f;
constexpr float noseZ = 5.4f;

const glm::vec3 unitX(1.0f, 0.0f, 0.0f);
const glm::vec3 unitY(0.0f, 1.0f, 0.0f);
const glm::vec3 unitZ(0.0f, 0.0f, 1.0f);

// A rounded-square cross-section makes the hull read as machined rather than organic.
float squarish(float angle)
{
    const float c = std::pow(std::abs(std::cos(angle)), 3.0f);
    const float s = std::pow(std::abs(std::sin(angle)), 3.0f);
    return std::pow(c + s, -1.0f / 3.0f);
}

Mesh fuselage()
{
    std::vector<Ring> rings;
    const int ringCount = 36;
    for (int i = 0; i <= ringCount; ++i) {
        const float s = static_cast<float>(i) / ringCount;
        const float z = glm::mix(tailZ, noseZ, s);
        const float body = s < 0.45f
                               ? 0.78f + 0.2f * std::sin(s / 0.45f * glm::half_pi<float>())
                               : 0.98f * std::pow(std::max(0.0f, 1.0f - std::pow((s - 0.45f) / 0.55f, 2.0f)), 0.7f);
        const float halfWidth = std::max(body, 0.05f);
        const float halfHeight = std::max(body * (0.62f + 0.1f * s), 0.04f);
        const float centreY = 0.12f * s;
        rings.push_back({glm::vec3(0.0f, centreY, z), unitX, unitY, glm::vec2(halfWidth, halfHeight)});
    }
    SweepOptions options;
    options.segments = 32;
    options.vPerUnit = 0.1f;
    options.startCap = 0.0f;
    options.endCap = 0.12f;
    options.radialScale = [](float angle, int) { return squarish(angle); };
    Mesh mesh = sweep(rings, options);
    mesh.remapUv(glm::vec2(0.0f), glm::vec2(shipAtlas::hullWidth, 1.0f));
    return mesh;
}

Mesh canopy()
{
    std::vector<Ring> rings;
    const int ringCount = 12;
    for (int i = 0; i <= ringCount; ++i) {
        const float s = -0.96f + 1.92f * static_cast<float>(i) / ringCount;
        const float r = std::sqrt(1.0f - s * s);
        rings.push_back({glm::vec3(0.0f, 0.62f, 2.0f + 1.5f * s), unitX, unitY, glm::vec2(0.5f * r, 0.42f * r)});
    }
    SweepOptions options;
    options.segments = 24;
    options.vPerUnit = 0.33f;
    options.startCap = 0.03f;
    options.endCap = 0.03f;
    Mesh mesh = sweep(rings, options);
    mesh.remapUv(glm::vec2(shipAtlas::hullWidth, 0.0f), glm::vec2(1.0f - shipAtlas::hullWidth, shipAtlas::glassEnd));
    return mesh;
}

struct Airfoil {
    float rootChord;
    float tipChord;
    float rootLeadingZ;
    float tipLeadingZ;
    float rootThickness;
    float tipThickness;
};

// A thin lifting surface swept along `span` (from `root` to `root + span`); `across` is the thickness direction.
Mesh airfoil(glm::vec3 root, glm::vec3 span, glm::vec3 across, const Airfoil& shape)
{
    std::vector<Ring> rings;
    const int ringCount = 6;
    const glm::vec3 direction = glm::normalize(span);
    const bool thicknessFirst = glm::dot(glm::cross(across, unitZ), direction) > 0.0f;
    for (int i = 0; i <= ringCount; ++i) {
        const float f = static_cast<float>(i) / ringCount;
        const float chord = glm::mix(shape.rootChord, shape.tipChord, f);
        const float leading = glm::mix(shape.rootLeadingZ, shape.tipLeadingZ, f);
        const float thickness = glm::mix(shape.rootThickness, shape.tipThickness, f);
        glm::vec3 centre = root + span * f;
        centre.z = leading - chord * 0.5f;
        if (thicknessFirst) {
            rings.push_back({centre, across, unitZ, glm::vec2(thickness, chord * 0.5f)});
        } else {
            rings.push_back({centre, unitZ, across, glm::vec2(chord * 0.5f, thickness)});
        }
    }
    SweepOptions options;
    options.segments = 16;
    options.vPerUnit = 0.15f;
    options.endCap = 0.0f;
    Mesh mesh = sweep(rings, options);
    mesh.remapUv(glm::vec2(0.0f), glm::vec2(shipAtlas::hullWidth, 1.0f));
    return mesh;
}

Mesh wings()
{
    const Airfoil wing{4.2f, 1.3f, 1.6f, -2.4f, 0.17f, 0.06f};
    Mesh mesh = airfoil(glm::vec3(0.4f, -0.15f, 0.0f), glm::vec3(5.0f, 0.35f, 0.0f), unitY, wing);
    mesh.append(airfoil(glm::vec3(-0.4f, -0.15f, 0.0f), glm::vec3(-5.0f, 0.35f, 0.0f), unitY, wing));
    const Airfoil stabiliser{1.6f, 0.7f, -2.9f, -3.9f, 0.09f, 0.04f};
    mesh.append(airfoil(glm::vec3(0.4f, 0.1f, 0.0f), glm::vec3(2.1f, 0.25f, 0.0f), unitY, stabiliser));
    mesh.append(airfoil(glm::vec3(-0.4f, 0.1f, 0.0f), glm::vec3(-2.1f, 0.25f, 0.0f), unitY, stabiliser));
    const Airfoil fin{2.4f, 0.9f, -1.9f, -3.6f, 0.12f, 0.05f};
    mesh.append(airfoil(glm::vec3(0.0f, 0.3f, 0.0f), glm::vec3(0.0f, 2.1f, 0.0f), unitX, fin));
    return mesh;
}

// The glowing exhaust face at the bottom of a nozzle, facing backwards.
Mesh exhaust(glm::vec3 centre, float radius)
{
    Mesh mesh;
    const int segments = 24;
    const uint32_t middle = mesh.addVertex(centre, glm::vec2(0.5f));
    for (int i = 0; i <= segments; ++i) {
        const float angle = glm::two_pi<float>() * static_cast<float>(i) / segments;
        const glm::vec2 offset(std::cos(angle), std::sin(angle));
        mesh.addVertex(centre + radius * glm::vec3(offset, 0.0f), glm::vec2(0.5f) + 0.45f * offset);
    }
    for (uint32_t i = 1; i <= static_cast<uint32_t>(segments); ++i) {
        mesh.addTriangle(middle, i + 1, i);
    }
    mesh.remapUv(glm::vec2(shipAtlas::hullWidth, shipAtlas::engineEnd),
                 glm::vec2(1.0f - shipAtlas::hullWidth, 1.0f - shipAtlas::engineEnd));
    return mesh;
}

// An engine pod: the nozzle's inner wall runs backwards, so its triangles face the axis and are seen from behind.
Mesh nacelle(float x)
{
    const glm::vec3 axis(x, -0.3f, 0.0f);
    const std::vector<glm::vec2> profile = {
        {-4.45f, 0.30f}, {-4.95f, 0.40f}, {-5.05f, 0.48f}, {-4.95f, 0.55f}, {-4.6f, 0.56f}, {-3.6f, 0.56f},
        {-2.6f, 0.55f},  {-1.9f, 0.52f},  {-1.45f, 0.46f}, {-1.2f, 0.38f},  {-1.1f, 0.28f},
    };
    std::vector<Ring> rings;
    for (const glm::vec2& point : profile) {
        rings.push_back({axis + glm::vec3(0.0f, 0.0f, point.x), unitX, unitY, glm::vec2(point.y)});
    }
    SweepOptions options;
    options.segments = 24;
    options.vPerUnit = 0.25f;
    options.endCap = 0.0f;
    Mesh mesh = sweep(rings, options);
    mesh.remapUv(glm::vec2(shipAtlas::hullWidth, shipAtlas::glassEnd),
                 glm::vec2(1.0f - shipAtlas::hullWidth, shipAtlas::engineEnd - shipAtlas::glassEnd));
    mesh.append(exhaust(axis + glm::vec3(0.0f, 0.0f, -4.45f), 0.3f));
    return mesh;
}

} // namespace

Mesh spaceship()
{
    Mesh mesh = fuselage();
    mesh.append(canopy());
    mesh.append(wings());
    mesh.append(nacelle(1.45f));
    mesh.append(nacelle(-1.45f));
    mesh.computeNormals();
    return mesh;
}
