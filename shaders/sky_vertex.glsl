#ifndef SKY_VERTEX_GLSL
#define SKY_VERTEX_GLSL

#include "uniform_buffer.glsl"
#include "face_view.glsl"

layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec3 inNormal;

layout(location = 0) out vec3 skyDirection;
layout(location = 1) out vec3 skyFacing;

// Inside the far plane by a hair, so that clipping never cuts into the cube. The
// depth that is tested is the viewport's: the sky is drawn last with a depth
// range pinned to 1.0 and kept where nothing nearer has been drawn.
const float SKY_DEPTH = 0.99999;

// The view and the face view arrive without translation, so the cube stays
// centred on the eye; the cube's inward normal faces the eye.
void emitSkyVertex()
{
    skyDirection = mat3(ubo.model) * inPosition;
    skyFacing = -(mat3(ubo.model) * inNormal);
    vec4 clip = ubo.proj * push.faceView * ubo.view * ubo.model * vec4(inPosition, 1.0);
    gl_Position = vec4(clip.xy, clip.w * SKY_DEPTH, clip.w);
}

#endif
