#pragma once

#include <glm/glm.hpp>

#include <vector>

enum class RockMesh { Rock, RedRock, RedRock2 };

struct RockPlacement {
    RockMesh mesh;
    glm::vec3 position;
    glm::vec3 rotationAxis;
    glm::vec3 scale;
};

constexpr int rockRowSteps = 14;

// The kind of a step from one draw r in 0..32767: the integer part of (r / 32767) * 6.
int rockKind(int r);

// The objects one step of the rock row adds, in the order they are appended.
std::vector<RockPlacement> rockRowStep(int step, int kind);
