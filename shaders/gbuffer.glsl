#ifndef GBUFFER_GLSL
#define GBUFFER_GLSL

// What a G-buffer pixel holds. normal.w carries the surface kind.
#include "constants/SurfaceKinds.h"

// 8-bit linear albedo bands badly in the darks; a square-root curve is nearly as
// good as sRGB and costs one multiply to undo.
vec3 encodeAlbedo(vec3 linearColor)
{
    return sqrt(clamp(linearColor, 0.0, 1.0));
}

vec3 decodeAlbedo(vec3 stored)
{
    return stored * stored;
}

#endif
