#pragma once

#include "renderer/FramePixels.h"

// How far apart two frames of one size are.
struct FrameDifference {
    // Share (0 to 1) of pixels with a channel more than the tolerance apart.
    double differingShare = 0.0;
    // The largest difference of any channel, 0 to 255.
    int largestDelta = 0;
};

// Throws std::invalid_argument when the sizes differ.
FrameDifference compareFrames(const FramePixels& a, const FramePixels& b, int channelTolerance);
