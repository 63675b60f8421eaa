#pragma once

#include <cstdint>

// How many frames the CPU may record while the GPU still works on earlier
// ones: every per-frame buffer, image and descriptor set exists this many times.
constexpr int MAX_FRAMES_IN_FLIGHT = 2;

// The slot of frames in flight that the frame before one in `frame` used.
constexpr uint32_t previousFrameSlot(uint32_t frame, uint32_t framesInFlight = MAX_FRAMES_IN_FLIGHT)
{
    return (frame + framesInFlight - 1) % framesInFlight;
}
