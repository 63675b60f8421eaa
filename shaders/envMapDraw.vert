#version 450
#extension GL_GOOGLE_include_directive : require

// The reflective cube in the G-buffer pass.
#include "uniform_buffer.glsl"
#include "face_view.glsl"

layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec3 inNormal;

layout(location = 0) out vec3 worldPosition;
layout(location = 1) out vec3 worldNormal;
layout(location = 2) flat out vec3 cubeCentre;

void main()
{
    vec4 world = ubo.model * vec4(inPosition, 1.0);
    worldPosition = world.xyz;
    worldNormal = transpose(inverse(mat3(ubo.model))) * inNormal;
    cubeCentre = ubo.model[3].xyz;
    gl_Position = ubo.proj * push.faceView * ubo.view * world;
}
