#pragma once

#include "constants/DisplayModes.h"
#include "renderer/GpuTimestamps.h"

#include <deque>
#include <string>

// What the overlay shows about the running demo, gathered by the frame loop.
struct OverlayState {
    // Frame times in milliseconds, oldest first, covering about two seconds.
    std::deque<float> frameTimes;
    // The GPU time of each pass of a recent frame; NaN where none was measured.
    GpuTimestamps::PassTimes passTimes{};
    std::string deviceName;
    float time = 0.0f;
    DisplayMode displayMode = ShowFinal;
    bool freeCamera = false;
    bool paused = false;

    // Appends a frame's time and drops those older than the graph's span.
    void addFrameTime(float milliseconds);
    float framesPerSecond() const;
};

// The name of a display mode as the overlay and the README give it.
const char* displayModeName(DisplayMode mode);
