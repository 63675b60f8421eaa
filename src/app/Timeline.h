#pragma once

#include "constants/DisplayModes.h"

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
