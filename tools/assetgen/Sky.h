#pragma once

#include "Image.h"

#include <array>
#include <string>

// The desert sky as a function of the world direction. World up is −y, and the sun sits where the
// scene's light direction (−1, −1, −1) points.
glm::vec3 skyColor(glm::vec3 direction);

// The direction through texel (x, y) of cube face `face` (0 … 5 = +X, −X, +Y, −Y, +Z, −Z), following
// the cube-map face selection of Vulkan, so adjacent faces meet without a seam.
glm::vec3 cubeFaceDirection(int face, int x, int y, int size);

// The six faces in layer order.
std::array<Image, 6> skyFaces(int size);
