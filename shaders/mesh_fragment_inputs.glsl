#ifndef MESH_FRAGMENT_INPUTS_GLSL
#define MESH_FRAGMENT_INPUTS_GLSL

// What mesh_vertex.glsl packs into its three slots.
layout(location = 0) in vec4 positionAndU;
layout(location = 1) in vec4 normalAndV;
layout(location = 2) in vec4 tangentAndSign;

vec3 meshWorldPosition()
{
    return positionAndU.xyz;
}

vec2 meshTexCoord()
{
    return vec2(positionAndU.w, normalAndV.w);
}

#endif
