#include "scene/Camera.h"
#include "scene/Finite.h"

#include <glm/gtc/matrix_transform.hpp>

namespace {

constexpr float fastSpeed = 0.05f;
constexpr float slowSpeed = 0.005f;
constexpr float referenceFrameRate = 60.0f;

} // namespace

Camera::Camera(int width, int height, float fov, float nearPlane, float farPlane)
    : width(width), height(height), fov(fov), aspect(static_cast<float>(width) / static_cast<float>(height)),
      nearPlane(nearPlane), farPlane(farPlane)
{
}

void Camera::updateMatrices()
{
    lookAt(position + front);
    proj = glm::perspective(glm::radians(fov), aspect, nearPlane, farPlane);
}

// A degenerate look-at normalises a zero vector; the NaN would reach every
// uniform and the GPU, so such a view is never adopted.
void Camera::lookAt(const glm::vec3& centre)
{
    const glm::mat4 candidate = glm::lookAt(position, centre, up);
    if (isFinite(candidate)) {
        view = candidate;
    }
}

void Camera::processMovement(const std::vector<int>& codes, float deltaTime)
{
    for (int code : codes) {
        move(code, deltaTime);
    }
}

void Camera::move(int code, float deltaTime)
{
    const glm::vec3 right = glm::normalize(glm::cross(front, up));
    const float step = speed * referenceFrameRate * deltaTime;
    switch (code) {
    case 0:
        position += step * front;
        break;
    case 1:
        position -= step * front;
        break;
    case 2:
        position -= step * right;
        break;
    case 3:
        position += step * right;
        break;
    case 4:
        position -= step * up;
        break;
    case 5:
        position += step * up;
        break;
    case 6:
        speed = fastSpeed;
        break;
    case 7:
        speed = slowSpeed;
        break;
    default:
        break;
    }
}
