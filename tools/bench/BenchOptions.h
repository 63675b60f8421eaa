#pragma once

#include "app/SceneSize.h"

#include <string>
#include <vector>

// What one benchmark run measures.
struct BenchOptions {
    int warmupFrames = 5;
    int frames = 30;
    SceneSize sceneSize;
    // Timeline second of the first measured frame; every run flies the same poses.
    float startTime = 10.0f;
    std::string csvPath = "bench.csv";
};

// Throws std::invalid_argument with a usage line on anything it does not understand.
BenchOptions parseBenchOptions(const std::vector<std::string>& arguments);

extern const char* const benchUsage;
