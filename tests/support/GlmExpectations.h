#pragma once

#include <glm/glm.hpp>

// Points that went through a model matrix tens of units from the origin carry
// a few units in the last place of rounding.
constexpr float placedPointTolerance = 1e-4f;

// Expects each component within `tolerance` of `expected`'s.
void expectVec3Near(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-5f);
