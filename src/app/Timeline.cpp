#include "app/Timeline.h"

#include <cmath>

namespace {

constexpr double cycleLength = 85.0;

// Each scheduled mode lasts five seconds, starting after the first thirty.
constexpr float scheduleStart = 30.0f;
constexpr float scheduleStep = 5.0f;

} // namespace

DisplayMode scheduledDisplayMode(float t)
{
    for (int mode = 0; mode < DisplayModeCount; mode++) {
        const float end = scheduleStart + scheduleStep * static_cast<float>(mode);
        if (t <= end) {
            return static_cast<DisplayMode>(mode);
        }
    }
    return ShowFinal;
}

Timeline::Timeline(double now) : now(now) {}

void Timeline::advance(double newNow)
{
    dt = static_cast<float>(newNow - now);
    if (paused) {
        start += newNow - now;
    }
    now = newNow;
    if (now - start > cycleLength) {
        start = now;
    }
}

void Timeline::seek(double seconds)
{
    double t = std::fmod(now - start + seconds, cycleLength);
    if (t < 0.0) {
        t += cycleLength;
    }
    start = now - t;
}
