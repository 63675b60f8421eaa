#include "Sweep.h"

#include <glm/gtc/constants.hpp>

namespace {

glm::vec3 ringPoint(const Ring& ring, float angle, float scale)
{
    return ring.center +
           scale * (ring.radii.x * std::cos(angle) * ring.axisU + ring.radii.y * std::sin(angle) * ring.axisV);
}

float scaleAt(const SweepOptions& options, float angle, int ring)
{
    return options.radialScale ? options.radialScale(angle, ring) : 1.0f;
}

// A fan over the end ring; `facing` is +1 for a cap looking along the direction of travel.
void addCap(Mesh& mesh, const Ring& ring, const SweepOptions& options, int ringIndex, float tipLength, float facing)
{
    const glm::vec3 direction = glm::normalize(glm::cross(ring.axisU, ring.axisV));
    const uint32_t center = mesh.addVertex(ring.center + facing * tipLength * direction, glm::vec2(0.5f));
    const uint32_t first = static_cast<uint32_t>(mesh.vertices.size());
    for (int i = 0; i <= options.segments; ++i) {
        const float angle = glm::two_pi<float>() * static_cast<float>(i) / options.segments;
        const glm::vec2 uv(0.5f + 0.45f * std::cos(angle), 0.5f + 0.45f * std::sin(angle));
        mesh.addVertex(ringPoint(ring, angle, scaleAt(options, angle, ringIndex)), uv);
    }
    for (uint32_t i = 0; i < static_cast<uint32_t>(options.segments); ++i) {
        if (facing > 0.0f) {
            mesh.addTriangle(center, first + i, first + i + 1);
        } else {
            mesh.addTriangle(center, first + i + 1, first + i);
        }
    }
}

} // namespace

Mesh sweep(const std::vector<Ring>& rings, const SweepOptions& options)
{
    std::vector<float> along(rings.size(), 0.0f);
    for (size_t i = 1; i < rings.size(); ++i) {
        along[i] = along[i - 1] + glm::length(rings[i].center - rings[i - 1].center);
    }
    const int last = static_cast<int>(rings.size()) - 1;
    Mesh mesh = gridSurface(options.segments, last, [&](float u, float v) {
        const int ring = static_cast<int>(std::lround(v * last));
        const float angle = glm::two_pi<float>() * u;
        return SurfacePoint{ringPoint(rings[ring], angle, scaleAt(options, angle, ring)),
                            glm::vec2(u, along[ring] * options.vPerUnit)};
    });
    if (options.startCap >= 0.0f) {
        addCap(mesh, rings.front(), options, 0, options.startCap, -1.0f);
    }
    if (options.endCap >= 0.0f) {
        addCap(mesh, rings.back(), options, last, options.endCap, 1.0f);
    }
    return mesh;
}

std::vector<Ring> ringsAlongCurve(const std::vector<glm::vec3>& points, const std::vector<glm::vec2>& radii,
                                  glm::vec3 reference)
{
    std::vector<Ring> rings;
    glm::vec3 axisU(0.0f);
    for (size_t i = 0; i < points.size(); ++i) {
        const glm::vec3 next = points[i + 1 < points.size() ? i + 1 : i];
        const glm::vec3 previous = points[i > 0 ? i - 1 : i];
        const glm::vec3 direction = glm::normalize(next - previous);
        const glm::vec3 carried = i == 0 ? glm::cross(reference, direction) : axisU;
        axisU = glm::normalize(carried - glm::dot(carried, direction) * direction);
        rings.push_back({points[i], axisU, glm::cross(direction, axisU), radii[i]});
    }
    return rings;
}
