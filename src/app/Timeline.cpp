#include "app/Timeline.h"

#include <cmath>

namespace {

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

float cycleSecond(float t)
{
    const double second = std::fmod(static_cast<double>(t), timelineCycle);
    const auto inCycle = static_cast<float>(second < 0.0 ? second + timelineCycle : second);
    // A tiny negative second rounds to the cycle's length itself.
    return inCycle < timelineCycle ? inCycle : 0.0f;
}

Timeline::Timeline(double now) : now(now) {}

Timeline::Timeline(double now, float startTime) : now(now), start(now - static_cast<double>(startTime)) {}

void Timeline::advance(double newNow)
{
    dt = static_cast<float>(newNow - now);
    if (paused) {
        start += newNow - now;
    }
    now = newNow;
    if (now - start > timelineCycle) {
        start = now;
    }
}

void Timeline::seek(double seconds)
{
    start = now - cycleSecond(static_cast<float>(now - start + seconds));
}
