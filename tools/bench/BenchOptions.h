#pragma once

#include "app/OptionParser.h"
#include "app/RunOptions.h"
#include "app/SceneSize.h"

#include <glm/glm.hpp>

#include <optional>
#include <string>
#include <vector>

// What one benchmark run measures.
struct BenchOptions {
    // The options shared with the demo: the window, the device, validation,
    // --mode, --camera, --time (the first measured frame) and --frames (the
    // measured frames).
    RunOptions run;
    int warmupFrames = 5;
    SceneSize sceneSize;
    std::string csvPath = "bench.csv";

    // Without a window: frames go to images of the renderer's own of size().
    bool offscreen = false;
    // --width or --height was given; they only size the offscreen images.
    bool sizeByAxis = false;

    // Free camera only: where it stands and what it looks at, instead of its starting pose.
    std::optional<glm::vec3> eye;
    std::optional<glm::vec3> lookAt;

    // Timeline seconds whose frames are saved as PNG files in captureFolder.
    std::vector<float> captureTimes;
    std::string captureFolder;

    int frames() const { return run.frames.value_or(30); }
    // Every run flies the same poses from here.
    float startTime() const { return run.startTime.value_or(10.0f); }
    VkExtent2D size() const { return run.windowSize(); }
};

// Registers the shared options and the benchmark's own with `parser`.
void addBenchOptions(OptionParser& parser, BenchOptions& options);

// The rules between options that only make sense together; throws OptionError.
void checkBenchOptions(const BenchOptions& options);

// The file a capture at timeline second `t` is saved as, e.g. "t20.00.png".
std::string captureFileName(float t);
