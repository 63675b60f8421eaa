#pragma once

#include <chrono>

// Where start-up time goes. The totals run for the whole process so that a
// benchmark can split the start-up; the demo pays two clock reads per step.
enum class StartupCost { Decoding, Uploads, Pipelines };

double startupSeconds(StartupCost cost);
void addStartupSeconds(StartupCost cost, double seconds);

// Adds the time from its construction to its destruction to one cost.
class StartupTimer {
public:
    explicit StartupTimer(StartupCost cost) : cost(cost), start(std::chrono::steady_clock::now()) {}
    ~StartupTimer();
    StartupTimer(const StartupTimer&) = delete;
    StartupTimer& operator=(const StartupTimer&) = delete;

private:
    StartupCost cost;
    std::chrono::steady_clock::time_point start;
};
