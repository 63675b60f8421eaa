#ifndef SCREEN_OCCLUSION_GLSL
#define SCREEN_OCCLUSION_GLSL

#include "quad_share.glsl"
#include "screen_camera.glsl"

// How much sky a surface point sees past its neighbours, from the positions
// around it: the taps reach a few units out (further for far surfaces, so far
// rocks keep their creases) and count what rises above the surface's plane.
const int AO_TAPS_PER_PIXEL = 1;
const float AO_RADIUS = 2.0;
const float AO_RADIUS_PER_UNIT = 0.02;
const float AO_STRENGTH = 1.2;
// Directions and radii over the disc for the first pixel of a quad; the others
// mirror them across the axes.
const vec2 AO_PATTERN[2] = vec2[](vec2(0.62, 0.31), vec2(-0.25, 0.88));

float ambientOcclusion(ScreenCamera camera, ivec2 texel, vec3 position, vec3 normal, bool lit, sampler2D positions)
{
    float depth = depthOf(camera, position);
    float radius = max(AO_RADIUS, AO_RADIUS_PER_UNIT * depth);
    float texels = clamp(radius * camera.size.y / (2.0 * camera.tangents.y * max(depth, 0.1)), 2.0, 60.0);
    vec2 flip = quadSides();
    float occlusion = 0.0;
    for (int i = 0; i < AO_TAPS_PER_PIXEL; ++i) {
        vec2 offset = AO_PATTERN[i] * flip * texels;
        ivec2 tap = ivec2(clamp(vec2(texel) + 0.5 + offset, vec2(0.0), camera.size - 1.0));
        vec3 toSample = texelFetch(positions, tap, 0).xyz - position;
        float gap = length(toSample);
        float rise = dot(toSample, normal) / max(gap, 1e-4);
        occlusion += max(rise - 0.1, 0.0) * (1.0 - smoothstep(radius, 2.0 * radius, gap));
    }
    float seen = lit ? clamp(1.0 - AO_STRENGTH * occlusion / float(AO_TAPS_PER_PIXEL), 0.0, 1.0) : 1.0;
    return clamp(quadPool(seen, position, 0.04 * depth + 0.3, false), 0.0, 1.0);
}

// The sun's shadows of whatever is on screen, traced in the lighting pass
// through the G-buffer's positions. Every read costs the software rasteriser
// dearly, so the four pixels of a 2 x 2 quad march the same ray in interleaved
// steps (pixel k takes steps k, k + 4, k + 8 of one geometric series, long
// enough for a mesa's shadow) and pool what they found.
const int SHADOW_STEPS_PER_PIXEL = 3;
const float SHADOW_FIRST_STEP = 0.3;
const float SHADOW_GROWTH = 1.62;

// 1 in sunlight, 0 where something drawn on screen stands between the point and
// the sun. A step is in shadow where the pixel it falls on holds a surface in
// front of it, but not so far in front that the surface is something else
// passing before the ray.
float sunVisibility(ScreenCamera camera, vec3 position, vec3 normal, vec3 toSun, bool lit, sampler2D positions)
{
    // Along the ray P + t L a point's screen position is (A + t B) / (depth0 + t rate):
    // two linear functions of t, so each step costs a division.
    vec3 origin = position + normal * (0.01 * depthOf(camera, position) + 0.05);
    vec3 fromEye = origin - camera.eye;
    vec2 pixelsPerUnit = 0.5 * camera.size / camera.tangents;
    vec2 centre = 0.5 * camera.size;
    float depth0 = dot(fromEye, camera.forward);
    float rate = dot(toSun, camera.forward);
    vec2 a = vec2(dot(fromEye, camera.right), dot(fromEye, camera.down)) * pixelsPerUnit;
    vec2 b = vec2(dot(toSun, camera.right), dot(toSun, camera.down)) * pixelsPerUnit;
    float along = SHADOW_FIRST_STEP * pow(SHADOW_GROWTH, float(quadSlot()));
    float stride = pow(SHADOW_GROWTH, 4.0);
    float shadow = 0.0;
    for (int i = 0; i < SHADOW_STEPS_PER_PIXEL; ++i) {
        float depth = depth0 + along * rate;
        vec2 screen = centre + (a + along * b) / max(depth, 1e-3);
        bool onScreen = depth > 0.0 && all(greaterThanEqual(screen, vec2(0.0))) && all(lessThan(screen, camera.size));
        vec3 stored = texelFetch(positions, ivec2(clamp(screen, vec2(0.0), camera.size - 1.0)), 0).xyz;
        float inFront = depth - dot(stored - camera.eye, camera.forward);
        float thickness = 2.0 + 0.6 * along;
        float blocked = clamp(inFront * (3.0 / (0.02 * depth + 0.3)) - 0.05, 0.0, 1.0) *
                        clamp(3.0 - 2.0 * inFront / thickness, 0.0, 1.0);
        shadow = max(shadow, onScreen ? blocked : 0.0);
        along *= stride;
    }
    shadow = lit && camera.valid ? shadow : 0.0;
    return 1.0 - clamp(quadPool(shadow, position, 0.04 * depth0 + 0.3, true), 0.0, 1.0);
}

#endif
