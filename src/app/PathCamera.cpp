#include "app/PathCamera.h"

#include <utility>

PathCamera::PathCamera(int width, int height, float fov, float nearPlane, float farPlane, Path path)
    : Camera(width, height, fov, nearPlane, farPlane), path(std::move(path))
{
}

void PathCamera::followPath(float t)
{
    const glm::vec3 forward(0.0f, 0.0f, -1.0f);
    position = path.getPosition(t);
    front = path.getRotation(t, forward) * forward;
    updateMatrices();
    if (target != glm::vec3(0.0f)) {
        lookAt(target);
    }
}
