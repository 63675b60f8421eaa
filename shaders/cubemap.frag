#version 450
#extension GL_GOOGLE_include_directive : require

// The sky goes into the G-buffer as a finished colour, marked unlit, with a
// normal facing the eye and a position far out along its direction so the
// normal and position views read it as the farthest thing in the frame.
#include "sky_direction.glsl"
#include "scene_light.glsl"
#include "gbuffer_targets.glsl"

layout(set = 0, binding = 1) uniform samplerCube skyTexture;

const float SKY_DISTANCE = 1400.0;

void main()
{
    vec3 direction = viewDirectionOfSky();
    vec3 sky = hazedSky(texture(skyTexture, direction).rgb, direction);
    outAlbedo = vec4(encodeAlbedo(sky), 1.0);
    outNormal = vec4(-direction, KIND_UNLIT);
    outCoefficients = vec4(0.0, 1.0, 0.0, 1.0);
    outMaterial = vec4(0.0, 0.0, 0.0, 1.0);
    outWorldPosition = vec4(direction * SKY_DISTANCE, 1.0);
}
