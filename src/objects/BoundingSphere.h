#pragma once

#include <glm/glm.hpp>

// A sphere that holds every point of something drawn, in the space of its vertices.
struct BoundingSphere {
    glm::vec3 centre{0.0f};
    float radius = 0.0f;
};
