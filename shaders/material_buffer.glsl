#ifndef MATERIAL_BUFFER_GLSL
#define MATERIAL_BUFFER_GLSL

// The mesh textures at bindings 1 and 2 and the material record at binding 3.
// Reading of the record: materialVector = (ambient, diffuse, specular) weights,
// coefficient1 = metalness, coefficient2 = roughness, coefficient3 = reflectance.
layout(set = 0, binding = 1) uniform sampler2D colorTexture;
layout(set = 0, binding = 2) uniform sampler2D normalTexture;
layout(set = 0, binding = 3) uniform MaterialBufferObject {
    vec3 materialVector;
    float coefficient1;
    float coefficient2;
    float coefficient3;
} material;

#endif
