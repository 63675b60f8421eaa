#include "Primitives.h"

#include <array>

namespace {

struct Face {
    glm::vec3 normal;
    glm::vec3 axisU;
    glm::vec3 axisV;
};

// cross(axisU, axisV) = normal for every face, so the corners below wind counter-clockwise from outside.
const std::array<Face, 6> faces = {{
    {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}},
    {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
    {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
    {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
    {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
}};

} // namespace

Mesh box(float halfSize)
{
    Mesh mesh;
    for (const Face& face : faces) {
        const glm::vec3 centre = face.normal * halfSize;
        const uint32_t a = mesh.addVertex(centre + (-face.axisU - face.axisV) * halfSize, {0, 1}, face.normal);
        const uint32_t b = mesh.addVertex(centre + (face.axisU - face.axisV) * halfSize, {1, 1}, face.normal);
        const uint32_t c = mesh.addVertex(centre + (face.axisU + face.axisV) * halfSize, {1, 0}, face.normal);
        const uint32_t d = mesh.addVertex(centre + (-face.axisU + face.axisV) * halfSize, {0, 0}, face.normal);
        mesh.addQuad(a, b, c, d);
    }
    return mesh;
}

Mesh screenQuad()
{
    Mesh mesh;
    const glm::vec3 normal(0.0f, 0.0f, 1.0f);
    const uint32_t a = mesh.addVertex({-1, -1, 0}, {0, 0}, normal);
    const uint32_t b = mesh.addVertex({1, -1, 0}, {1, 0}, normal);
    const uint32_t c = mesh.addVertex({1, 1, 0}, {1, 1}, normal);
    const uint32_t d = mesh.addVertex({-1, 1, 0}, {0, 1}, normal);
    mesh.addQuad(a, b, c, d);
    return mesh;
}
