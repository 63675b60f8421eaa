#pragma once

#include "Mesh.h"

#include "constants/DepthRange.h"

// The desert floor in mesh units (the scene scales it by 2 and turns it upside down, so world
// height is 2 · groundHeight and the world point (X, Y, Z) lies over mesh (X / 2, −Z / 2)).
namespace terrain {

// Half the side of the square mesh: scaled by two in the scene, it reaches the far plane in every direction.
constexpr float halfExtent = FAR_PLANE / 2.0f;

// Height above the mesh plane y = 0; low and gentle near the origin where the ship flies.
float groundHeight(float x, float z);

// A grid that is densest in the middle, in square tiles that are groups of the file; texture
// coordinates span 0 … 2 over the whole ground.
Mesh groundMesh();

} // namespace terrain
