#ifndef MESH_VERTEX_GLSL
#define MESH_VERTEX_GLSL

#include "uniform_buffer.glsl"
#include "face_view.glsl"
#include "surface_normal.glsl"

layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec3 inNormal;
layout(location = 2) in vec2 inTexCoord;
layout(location = 3) in vec3 inTangent;
layout(location = 4) in vec3 inBitangent;

// Three output slots: the software rasteriser's vertex, clipping and set-up
// work grows with every slot, and the environment pass runs these vertices
// six times a frame. Only the bitangent's side of the normal-tangent plane
// is needed, so it travels as a sign.
layout(location = 0) out vec4 positionAndU;   // world position, texture u
layout(location = 1) out vec4 normalAndV;     // world normal, texture v
layout(location = 2) out vec4 tangentAndSign; // world tangent, bitangent handedness

// The model matrices scale unevenly, so normals need the inverse transpose while
// the tangent and bitangent, which lie in the surface, follow the model matrix.
// The cofactor matrix is the inverse transpose times the determinant: the same
// directions (the sign of the determinant keeps mirrored models facing out)
// without a matrix inversion per vertex; the normals are normalised later.
mat3 normalMatrix(mat3 m)
{
    mat3 cofactor = mat3(cross(m[1], m[2]), cross(m[2], m[0]), cross(m[0], m[1]));
    return dot(m[0], cofactor[0]) < 0.0 ? -cofactor : cofactor;
}

// Matrices applied to the vector one at a time: three matrix-vector products
// instead of two matrix-matrix products per vertex.
vec4 clipPosition(vec4 world)
{
    return ubo.proj * (push.faceView * (ubo.view * world));
}

void emitMeshVertex()
{
    vec4 world = ubo.model * vec4(inPosition, 1.0);
    mat3 linearPart = mat3(ubo.model);
    vec2 texCoord = inTexCoord * ubo.scalar;
    vec3 normal = normalMatrix(linearPart) * inNormal;
    vec3 tangent = linearPart * inTangent;
    vec3 bitangent = linearPart * inBitangent;
    positionAndU = vec4(world.xyz, texCoord.x);
    normalAndV = vec4(normal, texCoord.y);
    tangentAndSign = vec4(tangent, bitangentSign(normal, tangent, bitangent));
    gl_Position = clipPosition(world);
}

#endif
