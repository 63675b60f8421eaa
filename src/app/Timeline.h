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
    // Timeline seconds since the previous frame: none while paused.
    float deltaTime() const { return paused ? 0.0f : dt; }
    // Clock seconds since the previous frame, paused or not: the free camera
    // moves by these, so a paused scene can still be walked around.
    float frameSeconds() const { return dt; }
    // Records the clock reading after a frame; past the cycle the next frame starts again at 0.
    void advance(double newNow);

    void togglePause() { paused = !paused; }
    bool isPaused() const { return paused; }
    // Moves the timeline by `seconds`, either way, wrapping around the cycle.
    void seek(double seconds);

private:
    double now;
    double start = 0.0;
    float dt = 0.0f;
    bool paused = false;
};
