#include "timing/StartupTally.h"

#include <array>

namespace {

std::array<double, 3> totals{};

} // namespace

double startupSeconds(StartupCost cost)
{
    return totals[static_cast<size_t>(cost)];
}

void addStartupSeconds(StartupCost cost, double seconds)
{
    totals[static_cast<size_t>(cost)] += seconds;
}

StartupTimer::~StartupTimer()
{
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    addStartupSeconds(cost, elapsed.count());
}
