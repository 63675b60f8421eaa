#include "app/OverlayState.h"

#include <numeric>

namespace {

constexpr float graphSpanMilliseconds = 2000.0f;

} // namespace

void OverlayState::addFrameTime(float milliseconds)
{
    frameTimes.push_back(milliseconds);
    float span = std::accumulate(frameTimes.begin(), frameTimes.end(), 0.0f);
    while (frameTimes.size() > 1 && span - frameTimes.front() >= graphSpanMilliseconds) {
        span -= frameTimes.front();
        frameTimes.pop_front();
    }
}

float OverlayState::framesPerSecond() const
{
    const float span = std::accumulate(frameTimes.begin(), frameTimes.end(), 0.0f);
    return span > 0.0f ? 1000.0f * static_cast<float>(frameTimes.size()) / span : 0.0f;
}

const char* displayModeName(DisplayMode mode)
{
    static const char* const names[DisplayModeCount] = {
        "final image",      "albedo",         "world normals",  "metalness, roughness, reflectance",
        "material weights", "world position", "lighting alone", "overview of four views"};
    return mode >= 0 && mode < DisplayModeCount ? names[mode] : "unknown";
}
