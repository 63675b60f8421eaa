#include "Rocks.h"

#include "CubeSphere.h"
#include "Noise.h"
#include "Sweep.h"

#include <glm/gtc/constants.hpp>

#include <algorithm>
#include <vector>

namespace rocks {

namespace {

struct Plane {
    glm::vec3 normal;
    float offset;
};

// Random cutting planes around a core: their intersection gives the flat facets of a weathered block.
std::vector<Plane> cuttingPlanes(uint32_t seed)
{
    std::vector<Plane> planes;
    for (int i = 0; i < 18; ++i) {
        const float azimuth = glm::two_pi<float>() * noise::random(i, 0, 0, seed);
        const float elevation = std::asin(noise::random(i, 1, 0, seed) * 1.6f - 0.7f);
        const glm::vec3 normal(std::cos(elevation) * std::cos(azimuth), std::sin(elevation),
                               std::cos(elevation) * std::sin(azimuth));
        planes.push_back({normal, 0.78f + 0.2f * noise::random(i, 2, 0, seed)});
    }
    planes.push_back({glm::vec3(0.0f, 1.0f, 0.0f), 0.72f});
    planes.push_back({glm::vec3(0.0f, -1.0f, 0.0f), 0.6f});
    return planes;
}

float distanceToHull(glm::vec3 direction, const std::vector<Plane>& planes)
{
    float distance = 1.25f;
    for (const Plane& plane : planes) {
        const float facing = glm::dot(direction, plane.normal);
        if (facing > 1e-3f) {
            distance = std::min(distance, plane.offset / facing);
        }
    }
    return distance;
}

// Radius of the mesa at relative height h in [0, 1]: a talus apron at the foot, cliffs with ledges above.
float mesaProfile(float h)
{
    const float apron = 0.45f * std::pow(std::max(0.0f, 0.45f - h) / 0.45f, 1.6f);
    const float ledges = 0.04f * std::floor(h * 6.0f) / 6.0f;
    return 1.0f + apron - ledges;
}

} // namespace

Mesh boulder()
{
    const std::vector<Plane> planes = cuttingPlanes(77);
    return cubeSphere(20, 1.0f, [&](glm::vec3 cubePoint) {
        const glm::vec3 direction = cubeToSphere(cubePoint);
        const float roughness = 1.0f + 0.05f * noise::fbm3(direction * 3.0f, 4, 78);
        const glm::vec3 point = direction * distanceToHull(direction, planes) * roughness;
        return glm::vec3(point.x * 2.6f, point.y * 2.8f + 1.2f, point.z * 2.3f);
    });
}

Mesh mesa()
{
    const float height = 60.0f;
    const float radius = 34.0f;
    return cubeSphere(24, 2.0f, [&](glm::vec3 c) {
        const glm::vec2 disc =
            glm::vec2(c.x * std::sqrt(1.0f - c.z * c.z / 2.0f), c.z * std::sqrt(1.0f - c.x * c.x / 2.0f));
        const float h = c.y * 0.5f + 0.5f;
        const float angle = std::atan2(disc.y, disc.x);
        const glm::vec2 around(std::cos(angle), std::sin(angle));
        const float outline = 1.0f + 0.22f * noise::fbm2(around * 1.6f + 5.0f, 0, 4, 91) +
                              0.06f * noise::fbm2(around * 3.0f + glm::vec2(h * 4.0f), 0, 3, 92);
        const float top = h >= 1.0f ? 0.015f * noise::fbm2(disc * 6.0f, 0, 3, 93) : 0.0f;
        const glm::vec2 horizontal = disc * radius * outline * mesaProfile(h);
        return glm::vec3(horizontal.x, (h + top) * height, horizontal.y);
    });
}

Mesh arch()
{
    const int ringCount = 56;
    const float spread = glm::half_pi<float>() + 0.2f;
    std::vector<glm::vec3> points;
    std::vector<glm::vec2> radii;
    for (int i = 0; i <= ringCount; ++i) {
        const float a = -spread + 2.0f * spread * static_cast<float>(i) / ringCount;
        points.emplace_back(70.0f * std::sin(a), -20.0f + 150.0f * std::cos(a), 0.0f);
        const float legs = std::pow(std::abs(a) / spread, 3.0f);
        radii.emplace_back(17.0f + 20.0f * legs, 19.0f + 8.0f * legs);
    }
    SweepOptions options;
    options.segments = 16;
    options.vPerUnit = 1.0f / 60.0f;
    options.startCap = 0.0f;
    options.endCap = 0.0f;
    options.radialScale = [](float angle, int ring) {
        const glm::vec3 p(std::cos(angle), std::sin(angle), static_cast<float>(ring) * 0.18f);
        return 1.0f + 0.16f * noise::fbm3(p * 1.3f, 4, 95);
    };
    Mesh mesh = sweep(ringsAlongCurve(points, radii, glm::vec3(0.0f, 0.0f, 1.0f)), options);
    mesh.computeNormals();
    return mesh;
}

} // namespace rocks
