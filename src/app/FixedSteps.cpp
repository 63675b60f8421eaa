#include "app/FixedSteps.h"

#include "app/Timeline.h"

#include <cmath>

float FixedSteps::at(long frame) const
{
    const double t = static_cast<double>(start) + static_cast<double>(frame) * static_cast<double>(stepLength);
    return static_cast<float>(std::fmod(t, timelineCycle));
}
