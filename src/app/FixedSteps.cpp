#include "app/FixedSteps.h"

#include <cmath>

namespace {

constexpr double cycleSeconds = 85.0;

} // namespace

float FixedSteps::at(long frame) const
{
    const double t = static_cast<double>(start) + static_cast<double>(frame) * static_cast<double>(stepLength);
    return static_cast<float>(std::fmod(t, cycleSeconds));
}
