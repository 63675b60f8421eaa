#pragma once

#include "constants/SunDirection.h"

#include <glm/glm.hpp>

// The scene's single directional light.
struct Light {
    glm::vec3 color{1.0f, 1.0f, 1.0f};
    glm::vec3 direction{SUN_DIRECTION_XYZ};
};
