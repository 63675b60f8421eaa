#version 450
#extension GL_GOOGLE_include_directive : require

// The sky as the reflective cube sees it: the same colour as in the main image.
// The face is sRGB: the value written is linear.
#include "sky_direction.glsl"
#include "scene_light.glsl"

layout(set = 0, binding = 1) uniform samplerCube skyTexture;

layout(location = 0) out vec4 outColor;

void main()
{
    vec3 direction = viewDirectionOfSky();
    outColor = vec4(hazedSky(texture(skyTexture, direction).rgb, direction), 1.0);
}
