#pragma once

#include "Mesh.h"

// An axis-aligned cube of half size `halfSize` with flat outward normals and one texture chart per face.
Mesh box(float halfSize);

// The lighting pass's screen quad: positions −1 … 1 in x and y at z = 0, texture (0, 0) at position (−1, −1),
// which clip space puts at the top-left corner of the screen, where the G-buffer's first texel is.
Mesh screenQuad();
