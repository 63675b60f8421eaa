#pragma once

#include "Image.h"

#include <vector>

// A colour texture and the height field it was painted from; the normal map is derived from the height,
// so bumps and colour agree.
struct SurfaceTexture {
    Image color;
    HeightField height;
    float normalStrength;
    // How much sky each texel sees at the scale of the mesh it is made for (0 … 1, row by row), on top of what its
    // own bumps hide; empty where the texture repeats too often over its mesh for that to mean anything.
    std::vector<float> exposure;
};

// The ground's and the boulder's textures tile seamlessly in both directions.
SurfaceTexture groundTexture();
SurfaceTexture rockTexture();
// The mesa's: its layers by height down the rows (MesaLayers.h), repeating round the mesa across the columns.
SurfaceTexture redRockTexture();
// The arch's own: along the arch across the columns, once round it down the rows (ArchShape.h).
SurfaceTexture redRock2Texture();
// Twelve ribs across u, matching the cactus mesh.
SurfaceTexture cactusTexture();
// The spaceship's atlas (see shipAtlas).
SurfaceTexture spaceshipTexture();
