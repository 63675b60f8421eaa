#ifndef DUST_PLUME_GLSL
#define DUST_PLUME_GLSL

#include "scene_light.glsl"

// The plume's column rises from this far under the emitter (up is -y) and leans
// downwind as it rises, as particle.comp carries the dust.
const float PLUME_BASE = 3.0;
const vec2 PLUME_LEAN = vec2(0.24, 0.1); // sideways per unit of height

// How much light a particle gets from where it sits in the plume: the side of
// the column facing the sun is lit, the far side lies in the plume's own shade,
// and the dust thins and pales as it rises.
float plumeShade(vec3 world, vec3 emitter)
{
    vec3 base = emitter + vec3(0.0, PLUME_BASE, 0.0);
    float height = max(base.y - world.y, 0.0);
    vec2 offset = world.xz - (base.xz + PLUME_LEAN * height);
    float radius = 0.4 + 0.35 * height;
    vec2 towardsSun = normalize(SUN_DIRECTION.xz);
    float across = clamp(dot(offset, towardsSun) / radius, -1.0, 1.0);
    return (0.62 + 0.38 * (0.5 + 0.5 * across)) * mix(0.88, 1.08, smoothstep(0.0, 12.0, height));
}

#endif
