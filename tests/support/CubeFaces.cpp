#include "CubeFaces.h"

#include <algorithm>

const FaceColors primaryFaceColors = {glm::vec3(1, 0, 0), glm::vec3(0, 1, 0), glm::vec3(0, 0, 1),
                                      glm::vec3(1, 1, 0), glm::vec3(1, 0, 1), glm::vec3(0, 1, 1)};

int faceOf(const glm::vec3& direction)
{
    const glm::vec3 extent = glm::abs(direction);
    const int axis = extent.x >= extent.y && extent.x >= extent.z ? 0 : (extent.y >= extent.z ? 1 : 2);
    const float major = extent[axis];
    const float second = std::max(extent[(axis + 1) % 3], extent[(axis + 2) % 3]);
    if (second > 0.93f * major) {
        return -1;
    }
    return 2 * axis + (direction[axis] < 0.0f ? 1 : 0);
}

int faceOfColor(const glm::u8vec4& albedo, const FaceColors& colors)
{
    const glm::vec3 channels = glm::step(glm::vec3(128.0f), glm::vec3(albedo));
    for (int face = 0; face < 6; face++) {
        if (channels == colors[static_cast<size_t>(face)]) {
            return face;
        }
    }
    return -1;
}
