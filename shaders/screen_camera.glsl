#ifndef SCREEN_CAMERA_GLSL
#define SCREEN_CAMERA_GLSL

#include "constants/FieldOfView.h"

// The lighting pass is given the eye but not the camera's matrices; a pixel's
// own view ray and its place on the screen give the rest back. Both cameras
// look along `front` with a fixed world up (no roll) and the projection is a
// symmetric perspective of FIELD_OF_VIEW_DEGREES with square pixels, so the ray
// through the screen point a (-1..1 across the target, rows downwards) is
//   f + a.x * tx * s + a.y * ty * u
// for the camera's forward f, screen-right s (horizontal) and screen-down u,
// with ty = tan(fov / 2) and tx = ty * width / height. Only f's pitch and yaw
// are unknown, and one ray fixes both: no read of the G-buffer is needed.
struct ScreenCamera {
    vec3 eye;
    vec3 forward;
    vec3 right; // horizontal
    vec3 down;
    vec2 tangents; // tx, ty
    vec2 size;     // texels
    bool valid;
};

vec2 screenPointOf(vec2 texelCentre, vec2 size)
{
    return texelCentre / size * 2.0 - 1.0;
}

// `ray`: the unit direction from the eye through the texel centre `texelCentre`.
// Up is -y. With m = a.x tx and k = a.y ty, the ray's height is
// (k cos(pitch) - sin(pitch)) / |(m, k, 1)|, which gives the pitch; its
// horizontal part is the horizontal forward turned by atan(m / (cos(pitch) +
// k sin(pitch))), which gives the yaw.
ScreenCamera screenCamera(vec3 eye, vec3 ray, vec2 texelCentre, vec2 size)
{
    ScreenCamera camera;
    float ty = tan(radians(FIELD_OF_VIEW_DEGREES) * 0.5);
    camera.tangents = vec2(ty * size.x / size.y, ty);
    camera.size = size;
    camera.eye = eye;
    vec2 a = screenPointOf(texelCentre, size);
    float m = a.x * camera.tangents.x;
    float k = a.y * camera.tangents.y;
    float lengthK = sqrt(1.0 + k * k);
    float sine = clamp(ray.y * sqrt(1.0 + m * m + k * k) / lengthK, -1.0, 1.0);
    float cosine = sqrt(1.0 - sine * sine);
    float pitchSin = (k * cosine - sine) / lengthK;
    float pitchCos = (cosine + k * sine) / lengthK;
    float along = pitchCos + k * pitchSin;
    float turnLength = sqrt(along * along + m * m);
    float horizontalLength = length(ray.xz);
    camera.valid = horizontalLength > 1e-4 && turnLength > 1e-4;
    vec2 seen = ray.xz / max(horizontalLength, 1e-4);
    vec2 turn = vec2(along, m) / max(turnLength, 1e-4);
    vec2 heading = vec2(seen.x * turn.x + seen.y * turn.y, -seen.x * turn.y + seen.y * turn.x);
    camera.forward = vec3(pitchCos * heading.x, -pitchSin, pitchCos * heading.y);
    camera.right = vec3(-heading.y, 0.0, heading.x);
    camera.down = vec3(pitchSin * heading.x, pitchCos, pitchSin * heading.y);
    return camera;
}

// Distance along the camera's forward axis (negative behind the eye).
float depthOf(ScreenCamera camera, vec3 world)
{
    return dot(world - camera.eye, camera.forward);
}

#endif
