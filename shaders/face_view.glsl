#ifndef FACE_VIEW_GLSL
#define FACE_VIEW_GLSL

// Identity in the G-buffer pass; the view of the cube face being drawn in the
// environment pass, applied after the object's own view matrix.
layout(push_constant) uniform FaceViewPush {
    mat4 faceView;
} push;

#endif
