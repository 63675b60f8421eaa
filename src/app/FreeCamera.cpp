#include "app/FreeCamera.h"

#include <glm/gtx/rotate_vector.hpp>

#include <cmath>

namespace {

// Kept short of the vertical so that the look-at basis never degenerates.
constexpr float maxPitch = 85.0f;

} // namespace

FreeCamera::FreeCamera(int width, int height, float fov, float nearPlane, float farPlane)
    : Camera(width, height, fov, nearPlane, farPlane)
{
}

void FreeCamera::processMouse(int windowWidth, int windowHeight, int cursorX, int cursorY)
{
    float dPitch = sensitivity * static_cast<float>(cursorY - windowHeight / 2) / static_cast<float>(windowHeight);
    const float dYaw = sensitivity * static_cast<float>(cursorX - windowWidth / 2) / static_cast<float>(windowWidth);

    const float pitch = glm::degrees(std::asin(front.y));
    if (pitch + dPitch > maxPitch) {
        dPitch = maxPitch - pitch;
    } else if (pitch + dPitch < -maxPitch) {
        dPitch = -maxPitch - pitch;
    }

    const glm::vec3 right = glm::normalize(glm::cross(front, up));
    front = glm::normalize(glm::rotate(front, glm::radians(dPitch), right));
    front = glm::normalize(glm::rotate(front, -glm::radians(dYaw), up));
}
