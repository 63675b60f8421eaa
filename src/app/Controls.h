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

private:
    void trackMovementKey(int key, int action);
    void releaseMovementKeys();
    bool onKeyReleased(int key);
};

// Display mode of the lighting pass at time t of the path-mode timeline.
DisplayMode scheduledDisplayMode(float t);

// The demo's endless timeline: seconds since the last restart. Clock readings
// count from start-up and are kept in double: in float their resolution falls
// to tens of milliseconds after a few days, and frames would stutter.
class Timeline {
public:
    // `now` is the clock reading of the first frame.
    explicit Timeline(double now);

    float time() const { return static_cast<float>(now - start); }
    float deltaTime() const { return dt; }
    // Records the clock reading after a frame; past the cycle the next frame starts again at 0.
    void advance(double newNow);

private:
    double now;
    double start = 0.0;
    float dt = 0.0f;
};
