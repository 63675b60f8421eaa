#pragma once

#include "Mesh.h"

#include <functional>

// A closed surface built from the six faces of the cube [-1, 1]³, each an outward-facing grid with its own
// texture chart; `shape` moves each cube point to its place, so seams stay closed.
// On the four side faces texture v runs downwards (−y), so horizontal texture bands stay level.
Mesh cubeSphere(int resolution, float uvScale, const std::function<glm::vec3(glm::vec3 cubePoint)>& shape);

// The unit sphere direction of a cube point, spread evenly (no bunching at the face corners).
glm::vec3 cubeToSphere(glm::vec3 cubePoint);
