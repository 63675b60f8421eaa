#version 450
#extension GL_GOOGLE_include_directive : require

// Meshes into a face of the environment cube: the same transform, plus the eye
// position that the face view carries, for the haze.
#include "mesh_vertex.glsl"

layout(location = 3) flat out vec3 eyePosition;

// Both views are rigid (a rotation and a translation), so each inverse is its
// transpose; the eye is found from them one at a time, which spares a 4x4
// matrix product per vertex:
//   eye = -(Rf Rv)^T (Rf tv + tf) = -Rv^T (tv + Rf^T tf)
vec3 eyeOfViews(mat4 faceView, mat4 view)
{
    return -(transpose(mat3(view)) * (view[3].xyz + transpose(mat3(faceView)) * faceView[3].xyz));
}

void main()
{
    emitMeshVertex();
    eyePosition = eyeOfViews(push.faceView, ubo.view);
}
