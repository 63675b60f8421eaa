#pragma once

#include <glm/glm.hpp>

#include <array>

// The six views of a cube camera at `position`, in layer order +X, -X, +Y, -Y, +Z, -Z.
std::array<glm::mat4, 6> cubeFaceViews(const glm::vec3& position);

// The environment faces are square 90-degree views sharing the scene's depth range.
glm::mat4 cubeFaceProjection();
