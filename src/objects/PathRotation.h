#pragma once

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

// The rotation matrix of a path orientation. Rounding can leave a path's
// quaternion slightly off unit length, where glm::angle and glm::axis give NaN
// or a zero axis; those cases, and the identity, yield a finite matrix.
glm::mat4 pathRotationMatrix(glm::quat rotation);
