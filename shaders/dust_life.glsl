#ifndef DUST_LIFE_GLSL
#define DUST_LIFE_GLSL

// How a puff grows and fades over its life; the geometry shader builds its sprite
// from these, and the view lists keep a particle only where they allow a sprite.

// Puffs grow as they rise. Only half of the particles carry one (those with a
// random x below DUST_CARRIER_LIMIT; the draws list only those): twice the size
// costs the rasteriser four times the pixels, and the plume needs the size more
// than the count to read as a cloud.
const float MIN_SIZE = 0.1;
const float MAX_SIZE = 0.45;
// The largest half-size of a sprite's square: the largest size at the largest
// random factor (0.8 + 0.4 y, y clamped to 2).
const float LARGEST_HALF_SIZE = MAX_SIZE * 1.6;

float lifeFade(float life)
{
    return smoothstep(0.0, 0.12, life) * (1.0 - smoothstep(0.55, 1.0, life));
}

#endif
