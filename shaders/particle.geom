#version 450
#extension GL_GOOGLE_include_directive : require

// Each live particle becomes a camera-facing square in view space that grows as
// it ages and fades in and out over its life. Not-yet-born particles (negative
// age), invisible ones and those wholly outside the view emit nothing; the
// square is cut down to the disc the fragment shaders can keep, so the
// rasteriser never visits the corners they would drop.
#include "constants/DustCarriers.h"
#include "uniform_buffer.glsl"
#include "face_view.glsl"
#include "dust_falloff.glsl"
#include "dust_life.glsl"
#include "dust_plume.glsl"

layout(points) in;
layout(triangle_strip, max_vertices = 4) out;

layout(location = 0) in vec4 particleColor[];
layout(location = 1) in vec3 particleRandom[];
layout(location = 2) in vec3 particleLife[];

layout(location = 0) out vec2 spriteCoord;
layout(location = 1) out vec4 spriteColor;
layout(location = 2) out vec3 spriteWorldPosition;
layout(location = 3) out vec3 spriteNormal;

// Clip +y points down the screen; in this order (top-left, bottom-left,
// top-right, bottom-right) the strip is counter-clockwise on screen, so it
// survives back-face culling.
const vec2 CORNERS[4] = vec2[](vec2(-1.0, -1.0), vec2(-1.0, 1.0), vec2(1.0, -1.0), vec2(1.0, 1.0));

// Radius, as a share of the sprite's half-size, inside which a sprite of the
// given fade can reach DUST_MIN_ALPHA; 0 when none of it can. The falloff
// decreases with the radius, so a bisection on the squared radius finds it;
// the upper end of the last bracket keeps the whole visible disc.
float visibleRadius(float fade)
{
    float threshold = DUST_MIN_ALPHA / (DUST_PEAK_ALPHA * fade);
    if (threshold >= 1.0) {
        return 0.0;
    }
    float low = 0.0;
    float high = 1.0;
    for (int i = 0; i < 5; ++i) {
        float middle = 0.5 * (low + high);
        if (dustFalloff(middle) >= threshold) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return sqrt(high);
}

// True when a square of the given half-size around a view-space centre lies
// wholly outside one side of the view. The square faces the eye, so its corners
// share the centre's w and reach proj[0][0] * size and proj[1][1] * size
// beyond it in x and y.
bool outsideView(vec4 centre, float halfSize)
{
    vec4 clip = ubo.proj * centre;
    vec2 reach = abs(vec2(ubo.proj[0][0], ubo.proj[1][1])) * halfSize;
    return any(greaterThan(abs(clip.xy), vec2(clip.w) + reach));
}

// The palette is given as display colours.
vec3 linearFromDisplay(vec3 c)
{
    return pow(clamp(c, 0.0, 1.0), vec3(2.2));
}

void main()
{
    float age = particleLife[0].x;
    float lifetime = particleLife[0].y;
    vec3 random = clamp(particleRandom[0], 0.0, 2.0);
    if (!(age >= 0.0) || !(lifetime > 0.0) || random.x >= DUST_CARRIER_LIMIT) {
        return;
    }
    float life = clamp(age / lifetime, 0.0, 1.0);
    float fade = lifeFade(life);
    float radius = visibleRadius(fade);
    if (radius <= 0.0) {
        return;
    }

    mat4 worldToView = push.faceView * ubo.view;
    vec4 world = ubo.model * vec4(gl_in[0].gl_Position.xyz, 1.0);
    vec4 centre = worldToView * world;
    if (centre.z > -0.2) {
        return;
    }

    float size = mix(MIN_SIZE, MAX_SIZE, sqrt(life)) * (0.8 + 0.4 * random.y);
    float halfSize = size * radius;
    if (outsideView(centre, halfSize)) {
        return;
    }
    float shade = plumeShade(world.xyz, ubo.model[3].xyz) * (0.96 + 0.04 * sin(particleLife[0].z));
    vec4 color = vec4(linearFromDisplay(particleColor[0].rgb) * shade, fade);
    mat3 viewToWorld = transpose(mat3(worldToView));
    vec3 normal = viewToWorld * vec3(0.0, 0.0, 1.0);

    for (int i = 0; i < 4; ++i) {
        vec3 offset = vec3(CORNERS[i] * halfSize, 0.0);
        gl_Position = ubo.proj * (centre + vec4(offset, 0.0));
        spriteCoord = CORNERS[i] * radius;
        spriteColor = color;
        spriteWorldPosition = world.xyz + viewToWorld * offset;
        spriteNormal = normal;
        EmitVertex();
    }
    EndPrimitive();
}
