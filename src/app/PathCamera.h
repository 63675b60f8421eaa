#pragma once

#include "scene/Camera.h"
#include "paths/Path.h"

// A camera that flies along its own copy of a path, aiming at `target` once one is set.
class PathCamera : public Camera {
public:
    PathCamera() = default;
    PathCamera(int width, int height, float fov, float nearPlane, float farPlane, Path path);

    void followPath(float t);

    Path path;
};
