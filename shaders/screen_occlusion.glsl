#ifndef SCREEN_OCCLUSION_GLSL
#define SCREEN_OCCLUSION_GLSL

#include "constants/FieldOfView.h"
#include "quad_share.glsl"

// How much of the sky a surface point sees past its neighbours, read in the
// lighting pass from the G-buffer's positions around it: what rises above the
// surface's plane within a few units (further for far surfaces, so far rocks
// keep their creases) hides part of the sky. The sand darkens at the foot of
// rocks and cacti and under the spaceship, and creases darken.
//
// Every read costs the software rasteriser dearly, so each pixel of a 2 x 2
// quad takes one tap of its own, mirrored from the others', and the quad
// averages its four through the fine derivatives, leaving out a neighbour
// whose position shows it lies on another surface.
const float AO_RADIUS = 3.5;            // world units, at least
const float AO_RADIUS_PER_UNIT = 0.035; // further for far surfaces
const float AO_STRENGTH = 2.0;
const vec2 AO_TAP = vec2(0.66, 0.38);   // of the radius, mirrored across the quad

// `texel`: where the pixel reads the G-buffer (the overview reads it at other
// places than it draws).
float ambientOcclusion(ivec2 texel, vec3 position, vec3 normal, float distance, bool lit, sampler2D positions)
{
    vec2 size = vec2(textureSize(positions, 0));
    float radius = max(AO_RADIUS, AO_RADIUS_PER_UNIT * distance);
    float texelsPerUnit = size.y / (2.0 * tan(radians(FIELD_OF_VIEW_DEGREES) * 0.5) * max(distance, 0.1));
    vec2 offset = AO_TAP * quadSides() * clamp(radius * texelsPerUnit, 2.0, 60.0);
    ivec2 tap = ivec2(clamp(vec2(texel) + 0.5 + offset, vec2(0.0), size - 1.0));
    vec3 toSample = texelFetch(positions, tap, 0).xyz - position;
    float gap = length(toSample);
    float rise = dot(toSample, normal) / max(gap, 1e-4);
    float hidden = max(rise - 0.1, 0.0) * (1.0 - smoothstep(radius, 2.0 * radius, gap));
    float seen = lit ? clamp(1.0 - AO_STRENGTH * hidden, 0.0, 1.0) : 1.0;
    return clamp(quadPool(seen, position, 0.04 * distance + 0.3, false), 0.0, 1.0);
}

#endif
