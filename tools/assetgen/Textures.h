#pragma once

#include "Image.h"

// A colour texture and the height field it was painted from; the normal map is derived from the height,
// so bumps and colour agree.
struct SurfaceTexture {
    Image color;
    HeightField height;
    float normalStrength;
};

// The desert textures tile seamlessly in both directions.
SurfaceTexture groundTexture();
SurfaceTexture rockTexture();
SurfaceTexture redRockTexture();
SurfaceTexture redRock2Texture();
// Twelve ribs across u, matching the cactus mesh.
SurfaceTexture cactusTexture();
// The spaceship's atlas (see shipAtlas).
SurfaceTexture spaceshipTexture();
