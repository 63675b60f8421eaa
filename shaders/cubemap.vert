#version 450
#extension GL_GOOGLE_include_directive : require

// The sky cube in the G-buffer pass.
#include "sky_vertex.glsl"

void main()
{
    emitSkyVertex();
}
