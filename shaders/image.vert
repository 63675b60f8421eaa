#version 450
#extension GL_GOOGLE_include_directive : require

// Textured, normal-mapped meshes into the G-buffer.
#include "mesh_vertex.glsl"

void main()
{
    emitMeshVertex();
}
