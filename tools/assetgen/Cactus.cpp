#include "Cactus.h"

#include "Sweep.h"

#include <glm/gtc/constants.hpp>

#include <vector>

namespace {

constexpr int ribCount = 12;
constexpr int segments = ribCount * 4;

float ribs(float angle)
{
    return 0.9f + 0.1f * std::pow(std::abs(std::cos(angle * ribCount / 2.0f)), 0.6f);
}

// Adds rings that round the stem off into a dome above the last point.
void addDome(std::vector<glm::vec3>& points, std::vector<glm::vec2>& radii, glm::vec3 up)
{
    const glm::vec3 top = points.back();
    const float radius = radii.back().x;
    for (int i = 1; i <= 6; ++i) {
        const float angle = glm::half_pi<float>() * static_cast<float>(i) / 7.0f;
        points.push_back(top + up * radius * 0.8f * std::sin(angle));
        radii.emplace_back(glm::vec2(radius * std::cos(angle)));
    }
}

// The trunk's foot is closed; an arm starts inside the trunk and needs no cap there.
Mesh stem(std::vector<glm::vec3> points, std::vector<glm::vec2> radii, glm::vec3 reference, bool closeFoot)
{
    addDome(points, radii, glm::vec3(0.0f, 1.0f, 0.0f));
    SweepOptions options;
    options.segments = segments;
    options.vPerUnit = 0.25f;
    options.startCap = closeFoot ? 0.0f : -1.0f;
    options.endCap = radii.back().x * 0.35f;
    options.radialScale = [](float angle, int) { return ribs(angle); };
    return sweep(ringsAlongCurve(points, radii, reference), options);
}

Mesh trunk()
{
    std::vector<glm::vec3> points;
    std::vector<glm::vec2> radii;
    for (int i = 0; i <= 22; ++i) {
        const float y = 11.0f * static_cast<float>(i) / 22.0f;
        points.emplace_back(0.0f, y, 0.0f);
        radii.emplace_back(0.95f - 0.12f * y / 11.0f);
    }
    return stem(points, radii, glm::vec3(0.0f, 0.0f, 1.0f), true);
}

// An arm that leaves the trunk sideways at `height`, bends upwards and rises to `top`.
Mesh arm(float side, float height, float reach, float top)
{
    std::vector<glm::vec3> points;
    std::vector<glm::vec2> radii;
    const float radius = 0.55f;
    const float bend = 0.9f;
    points.emplace_back(side * 0.3f, height, 0.0f);
    points.emplace_back(side * (reach - bend), height, 0.0f);
    for (int i = 1; i <= 8; ++i) {
        const float angle = glm::half_pi<float>() * static_cast<float>(i) / 8.0f;
        points.emplace_back(side * (reach - bend + bend * std::sin(angle)), height + bend * (1.0f - std::cos(angle)),
                            0.0f);
    }
    const int riseSteps = 8;
    const glm::vec3 bendEnd = points.back();
    for (int i = 1; i <= riseSteps; ++i) {
        points.push_back(bendEnd + glm::vec3(0.0f, (top - bendEnd.y) * static_cast<float>(i) / riseSteps, 0.0f));
    }
    radii.assign(points.size(), glm::vec2(radius));
    return stem(points, radii, glm::vec3(0.0f, 0.0f, 1.0f), false);
}

} // namespace

Mesh saguaro()
{
    Mesh mesh = trunk();
    mesh.append(arm(1.0f, 4.6f, 2.3f, 8.6f));
    mesh.append(arm(-1.0f, 6.2f, 2.0f, 9.6f));
    mesh.computeNormals();
    return mesh;
}
