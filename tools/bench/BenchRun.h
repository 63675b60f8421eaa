#pragma once

#include "BenchOptions.h"

#include "renderer/DrawCounts.h"
#include "renderer/GpuTimestamps.h"

#include <string>
#include <vector>

// Milliseconds spent before the first frame was presented, by cause.
struct StartupSplit {
    double decoding = 0.0;
    double uploads = 0.0;
    double pipelines = 0.0;
    double firstFrame = 0.0;
    double total = 0.0; // from the start of the run to the first present
};

struct FrameSample {
    double wallMs = 0.0;
    double hostCpuMs = 0.0; // main thread's CPU time: fence waits sleep and do not count
    GpuTimestamps::PassTimes gpuMs{};
    DrawCounts draws;
};

struct BenchResult {
    std::string deviceName;
    bool validated = true;
    uint32_t width = 0;
    uint32_t height = 0;
    bool timestampsSupported = false;
    StartupSplit startup;
    std::vector<FrameSample> frames; // the measured frames, after the warm-up
};

// Starts the demo's scene at the options' sizes, plays the warm-up and the
// measured frames at fixed timeline steps, saves the captures, and shuts it down.
BenchResult runBenchmark(const BenchOptions& options);
