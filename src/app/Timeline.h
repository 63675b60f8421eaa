#pragma once

#include "constants/DisplayModes.h"

// The length of one cycle of the timeline, in seconds.
constexpr double timelineCycle = 85.0;

// Display mode of the lighting pass at time t of the path-mode timeline.
DisplayMode scheduledDisplayMode(float t);

// Second `t` of the endless timeline as a second of one cycle, from 0 to below
// the cycle's length; before 0 counts back from the end of the cycle.
float cycleSecond(float t);

// The demo's endless timeline: seconds since the last restart. Clock readings
// count from start-up and are kept in double: in float their resolution falls
// to tens of milliseconds after a few days, and frames would stutter.
class Timeline {
public:
    // `now` is the clock reading of the first frame.
    explicit Timeline(double now);
    // The first frame is at timeline second `startTime`, within the first cycle.
    Timeline(double now, float startTime);

    float time() const { return static_cast<float>(now - start); }
    float deltaTime() const { return dt; }
    // Records the clock reading after a frame; past the cycle the next frame starts again at 0.
    void advance(double newNow);

private:
    double now;
    double start = 0.0;
    float dt = 0.0f;
};
