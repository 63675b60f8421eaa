#ifndef DUST_SPRITE_GLSL
#define DUST_SPRITE_GLSL

#include "dust_falloff.glsl"

layout(location = 0) in vec2 spriteCoord;
layout(location = 1) in vec4 spriteColor;
layout(location = 2) in vec3 spriteWorldPosition;
layout(location = 3) in vec3 spriteNormal;

// The palette spans dark brown to pale cream; pulled towards one sand tone, the
// grains vary a little instead of speckling the cloud.
const vec3 DUST_SAND = vec3(0.64, 0.44, 0.23); // linear
const float DUST_PALETTE_SHARE = 0.15;

float dustAlpha()
{
    return dustFalloff(dot(spriteCoord, spriteCoord)) * spriteColor.a * DUST_PEAK_ALPHA;
}

// Dust close to the ground is denser and sits in its own shadow.
vec3 dustAlbedo()
{
    float height = -spriteWorldPosition.y;
    vec3 sand = mix(DUST_SAND, spriteColor.rgb, DUST_PALETTE_SHARE);
    return sand * mix(0.75, 1.0, smoothstep(-3.0, 4.0, height));
}

vec3 dustNormal()
{
    float normalLength = length(spriteNormal);
    return normalLength > 1e-6 ? spriteNormal / normalLength : vec3(0.0, -1.0, 0.0);
}

#endif
