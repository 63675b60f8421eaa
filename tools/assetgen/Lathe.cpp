#include "Lathe.h"

#include <glm/gtc/constants.hpp>

namespace {

float angleOf(int segment, int segments)
{
    return glm::two_pi<float>() * static_cast<float>(segment) / static_cast<float>(segments);
}

// One ring of segments + 1 vertices; the last repeats the first point's position.
uint32_t addRing(Mesh& mesh, const LatheShape& shape, float ring)
{
    const auto first = static_cast<uint32_t>(mesh.vertices.size());
    for (int segment = 0; segment <= shape.segments; ++segment) {
        const glm::vec3 position = shape.point(angleOf(segment % shape.segments, shape.segments), ring);
        const float angle = angleOf(segment, shape.segments);
        mesh.addVertex(position, shape.uv(position, angle, ring));
    }
    return first;
}

// A fan to the pole, one pole vertex per segment so that each takes the u of its own segment.
void addPole(Mesh& mesh, const LatheShape& shape, uint32_t ring, glm::vec3 pole, float ringValue, bool top)
{
    for (int segment = 0; segment < shape.segments; ++segment) {
        const float angle = angleOf(segment, shape.segments) + 0.5f * angleOf(1, shape.segments);
        const uint32_t tip = mesh.addVertex(pole, shape.uv(pole, angle, ringValue));
        const auto a = ring + static_cast<uint32_t>(segment);
        if (top) {
            mesh.addTriangle(a + 1, a, tip);
        } else {
            mesh.addTriangle(a, a + 1, tip);
        }
    }
}

} // namespace

Mesh lathe(const LatheShape& shape)
{
    Mesh mesh;
    std::vector<uint32_t> starts;
    for (const float ring : shape.rings) {
        starts.push_back(addRing(mesh, shape, ring));
    }
    for (size_t r = 0; r + 1 < starts.size(); ++r) {
        for (uint32_t segment = 0; segment < static_cast<uint32_t>(shape.segments); ++segment) {
            const uint32_t below = starts[r] + segment;
            const uint32_t above = starts[r + 1] + segment;
            // Angles grow counter-clockwise seen from above (from +y), so going round and then up
            // winds counter-clockwise seen from outside.
            mesh.addQuad(below, above, above + 1, below + 1);
        }
    }
    // The poles take a ring value one step beyond the end rings, so that their texture coordinates differ.
    const size_t last = shape.rings.size() - 1;
    addPole(mesh, shape, starts.front(), shape.bottomPole, 2.0f * shape.rings[0] - shape.rings[1], false);
    addPole(mesh, shape, starts.back(), shape.topPole, 2.0f * shape.rings[last] - shape.rings[last - 1], true);
    return mesh;
}
