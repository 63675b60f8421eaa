#pragma once

#include "constants/DisplayModes.h"

#include <vector>

// The viewer's input state, kept apart from GLFW so that the key and mouse
// rules can be exercised without a window.
struct Controls {
    // Returns true when Escape was released: the caller then closes the window.
    bool onKey(int key, int action);
    // Returns true when the cursor capture toggled: the caller then applies `cursorCaptured`.
    bool onMouseButton(int button, int action);
    // Movement codes for the free camera, in the order they are applied each frame.
    std::vector<int> movementCodes() const;

    bool freeCameraMode = false;
    bool moveForward = false;
    bool moveBackward = false;
    bool moveRight = false;
    bool moveLeft = false;
    bool moveDown = false;
    bool moveUp = false;
    bool moveFast = false;
    DisplayMode displayMode = ShowFinal;
    bool cursorCaptured = false;
    bool firstMouse = true;
    bool overlayShown = false;

    // Requests the frame loop takes and clears: pause or resume the timeline,
    // move it by this many five-second steps, save the next frame.
    bool pauseToggled = false;
    int seekSteps = 0;
    bool screenshotRequested = false;

private:
    void trackMovementKey(int key, int action);
    void trackSeekKey(int key, int action);
    void releaseMovementKeys();
    bool onKeyReleased(int key);
};
