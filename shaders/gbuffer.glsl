#ifndef GBUFFER_GLSL
#define GBUFFER_GLSL

// What a G-buffer pixel holds. normal.w carries the surface kind so the lighting
// pass knows how to treat the pixel; the clear value (0, 0, 0, 1) therefore reads
// as an unlit black pixel, which is what uncovered background should show.
const float KIND_LIT = 0.0;    // opaque surface, lit with its material
const float KIND_UNLIT = 1.0;  // sky (and untouched background): shown as it is
const float KIND_MIRROR = 2.0; // the reflective cube: already a finished colour
const float KIND_DUST = 3.0;   // particles: translucent, lit with wrapped diffuse

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
