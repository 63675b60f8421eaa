#include "CubeSphere.h"

#include <array>

namespace {

struct Face {
    glm::vec3 normal;
    glm::vec3 axisU;
    glm::vec3 axisV;
};

// For every face cross(axisU, axisV) = normal, so each grid faces outwards.
const std::array<Face, 6> faces = {{
    {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
    {{-1, 0, 0}, {0, 0, -1}, {0, -1, 0}},
    {{0, 0, 1}, {-1, 0, 0}, {0, -1, 0}},
    {{0, 0, -1}, {1, 0, 0}, {0, -1, 0}},
    {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
    {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
}};

} // namespace

glm::vec3 cubeToSphere(glm::vec3 c)
{
    const glm::vec3 sq = c * c;
    return glm::vec3(c.x * std::sqrt(1.0f - sq.y / 2.0f - sq.z / 2.0f + sq.y * sq.z / 3.0f),
                     c.y * std::sqrt(1.0f - sq.z / 2.0f - sq.x / 2.0f + sq.z * sq.x / 3.0f),
                     c.z * std::sqrt(1.0f - sq.x / 2.0f - sq.y / 2.0f + sq.x * sq.y / 3.0f));
}

Mesh cubeSphere(int resolution, float uvScale, const std::function<glm::vec3(glm::vec3 cubePoint)>& shape)
{
    Mesh mesh;
    for (const Face& face : faces) {
        mesh.append(gridSurface(resolution, resolution, [&](float u, float v) {
            const glm::vec3 cubePoint = face.normal + (u * 2.0f - 1.0f) * face.axisU + (v * 2.0f - 1.0f) * face.axisV;
            return SurfacePoint{shape(cubePoint), glm::vec2(u, v) * uvScale};
        }));
    }
    mesh.computeNormals();
    return mesh;
}
