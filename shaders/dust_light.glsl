#ifndef DUST_LIGHT_GLSL
#define DUST_LIGHT_GLSL

#include "scene_light.glsl"

// Dust is translucent: it takes the sun through wrapped diffuse and glows when
// seen against the sun. `normal` faces the viewer.
vec3 dustRadiance(vec3 albedo, vec3 normal, vec3 sunDirection, vec3 sunColor)
{
    float wrapped = 0.5 + 0.5 * dot(normal, sunDirection);
    float againstSun = max(dot(-normal, sunDirection), 0.0);
    float forwardScatter = 1.0 + 1.5 * againstSun * againstSun * againstSun * againstSun;
    vec3 sun = sunColor * SUN_INTENSITY * (0.12 + 0.2 * wrapped) * forwardScatter;
    return albedo * (skyAmbient(vec3(0.0, -1.0, 0.0)) * 0.8 + sun);
}

// The dust's display colour under the scene's sun, for the passes that draw the
// sprites (they see no light buffer).
vec3 finishedDust(vec3 albedo, vec3 normal)
{
    vec3 color = toneMap(dustRadiance(albedo, normal, SUN_DIRECTION, vec3(1.0)));
    return isFiniteColor(color) ? color : HAZE_COLOR;
}

#endif
