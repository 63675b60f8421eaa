#pragma once

#include "scene/Camera.h"

// A camera steered by the keyboard and by mouse-look.
class FreeCamera : public Camera {
public:
    FreeCamera() = default;
    FreeCamera(int width, int height, float fov, float nearPlane, float farPlane);

    void processMouse(int windowWidth, int windowHeight, int cursorX, int cursorY);

    // Degrees of turn for a cursor offset of the whole window.
    float sensitivity = 160.0f;
};
