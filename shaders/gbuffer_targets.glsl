#ifndef GBUFFER_TARGETS_GLSL
#define GBUFFER_TARGETS_GLSL

#include "gbuffer.glsl"

// The five colour attachments of the G-buffer pass, in attachment order.
layout(location = 0) out vec4 outAlbedo;        // rgb: encodeAlbedo(colour), a: coverage
layout(location = 1) out vec4 outNormal;        // xyz: world normal, w: surface kind
layout(location = 2) out vec4 outCoefficients;  // r: metalness, g: roughness, b: reflectance
layout(location = 3) out vec4 outMaterial;      // r: ambient, g: diffuse, b: specular weight, a: baked occlusion
layout(location = 4) out vec4 outWorldPosition; // xyz: world position

#endif
