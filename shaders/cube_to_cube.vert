#version 450
#extension GL_GOOGLE_include_directive : require

// The sky cube into a face of the environment cube.
#include "sky_vertex.glsl"

void main()
{
    emitSkyVertex();
}
