#ifndef UNIFORM_BUFFER_GLSL
#define UNIFORM_BUFFER_GLSL

// The per-object record at set 0, binding 0 of every scene pipeline (208 bytes).
layout(set = 0, binding = 0) uniform UniformBufferObject {
    mat4 model;
    mat4 view;
    mat4 proj;
    float scalar;
} ubo;

#endif
