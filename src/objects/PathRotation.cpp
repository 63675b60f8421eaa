#include "objects/PathRotation.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>

namespace {

constexpr float minimumAxisLength = 1e-6f;

} // namespace

glm::mat4 pathRotationMatrix(glm::quat rotation)
{
    const float length = glm::length(rotation);
    if (!(length > 0.0f) || !std::isfinite(length)) {
        return glm::mat4(1.0f);
    }
    rotation = rotation / length;
    const glm::vec3 axis(rotation.x, rotation.y, rotation.z);
    // A vanishing vector part means no rotation, whatever angle rounding suggests.
    if (glm::length(axis) < minimumAxisLength) {
        return glm::mat4(1.0f);
    }
    const float angle = glm::angle(rotation);
    if (!std::isfinite(angle)) {
        return glm::mat4(1.0f);
    }
    return glm::rotate(glm::mat4(1.0f), angle, glm::axis(rotation));
}
