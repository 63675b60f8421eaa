#include "renderer/FrameCompare.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

FrameDifference compareFrames(const FramePixels& a, const FramePixels& b, int channelTolerance)
{
    if (a.width != b.width || a.height != b.height || a.rgba.size() != b.rgba.size()) {
        throw std::invalid_argument("frames of different sizes: " + std::to_string(a.width) + "x" +
                                    std::to_string(a.height) + " and " + std::to_string(b.width) + "x" +
                                    std::to_string(b.height));
    }
    FrameDifference difference;
    size_t differing = 0;
    for (size_t pixel = 0; pixel < a.rgba.size(); pixel += 4) {
        int pixelDelta = 0;
        for (size_t channel = pixel; channel < pixel + 4; channel++) {
            pixelDelta = std::max(pixelDelta, std::abs(int{a.rgba[channel]} - int{b.rgba[channel]}));
        }
        difference.largestDelta = std::max(difference.largestDelta, pixelDelta);
        differing += pixelDelta > channelTolerance ? 1 : 0;
    }
    const size_t pixels = a.rgba.size() / 4;
    difference.differingShare = pixels == 0 ? 0.0 : static_cast<double>(differing) / static_cast<double>(pixels);
    return difference;
}
