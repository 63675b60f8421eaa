#include "app/Controls.h"

#include <GLFW/glfw3.h>

bool Controls::onKey(int key, int action)
{
    if (freeCameraMode) {
        trackMovementKey(key, action);
    }
    trackSeekKey(key, action);
    return action == GLFW_RELEASE && onKeyReleased(key);
}

void Controls::trackMovementKey(int key, int action)
{
    if (action == GLFW_REPEAT) {
        return;
    }
    const bool held = action == GLFW_PRESS;
    switch (key) {
    case GLFW_KEY_W:
        moveForward = held;
        break;
    case GLFW_KEY_S:
        moveBackward = held;
        break;
    case GLFW_KEY_D:
        moveRight = held;
        break;
    case GLFW_KEY_A:
        moveLeft = held;
        break;
    case GLFW_KEY_E:
    case GLFW_KEY_SPACE:
        moveDown = held;
        break;
    case GLFW_KEY_Q:
        moveUp = held;
        break;
    case GLFW_KEY_LEFT_SHIFT:
        moveFast = held;
        break;
    default:
        break;
    }
}

// A held arrow key repeats, so the timeline can be scrubbed.
void Controls::trackSeekKey(int key, int action)
{
    if (action == GLFW_RELEASE) {
        return;
    }
    if (key == GLFW_KEY_RIGHT) {
        seekSteps++;
    } else if (key == GLFW_KEY_LEFT) {
        seekSteps--;
    }
}

bool Controls::onKeyReleased(int key)
{
    if (key == GLFW_KEY_ESCAPE) {
        return true;
    }
    if (key == GLFW_KEY_F1) {
        freeCameraMode = !freeCameraMode;
        releaseMovementKeys();
    } else if (key == GLFW_KEY_F2) {
        overlayShown = !overlayShown;
    } else if (key == GLFW_KEY_P) {
        pauseToggled = true;
    } else if (key == GLFW_KEY_F12) {
        screenshotRequested = true;
    } else if (key >= GLFW_KEY_F3 && key < GLFW_KEY_F3 + DisplayModeCount) {
        // GLFW numbers the function keys in a row: F3 onwards pick the modes in order.
        displayMode = static_cast<DisplayMode>(key - GLFW_KEY_F3);
    }
    return false;
}

// Path mode ignores key releases, so a key let go there would stay held in
// free mode and the camera would drift; both modes start with no key held.
void Controls::releaseMovementKeys()
{
    moveForward = false;
    moveBackward = false;
    moveRight = false;
    moveLeft = false;
    moveDown = false;
    moveUp = false;
    moveFast = false;
}

bool Controls::onMouseButton(int button, int action)
{
    if (button != GLFW_MOUSE_BUTTON_LEFT || action != GLFW_PRESS) {
        return false;
    }
    cursorCaptured = !cursorCaptured;
    return true;
}

std::vector<int> Controls::movementCodes() const
{
    std::vector<int> codes{moveFast ? 6 : 7};
    const bool held[] = {moveBackward, moveForward, moveRight, moveLeft, moveDown, moveUp};
    const int heldCodes[] = {1, 0, 3, 2, 4, 5};
    for (int i = 0; i < 6; i++) {
        if (held[i]) {
            codes.push_back(heldCodes[i]);
        }
    }
    return codes;
}
