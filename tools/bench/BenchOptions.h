#pragma once

#include "app/SceneSize.h"
#include "constants/DisplayModes.h"
#include "constants/FullScreenSize.h"

#include <glm/glm.hpp>

#include <optional>
#include <string>
#include <vector>

enum class BenchCamera { Path, Free };

// What one benchmark run measures.
struct BenchOptions {
    int warmupFrames = 5;
    int frames = 30;
    SceneSize sceneSize;
    // Timeline second of the first measured frame; every run flies the same poses.
    float startTime = 10.0f;
    std::string csvPath = "bench.csv";

    // Without a window: frames go to images of the renderer's own of this size.
    bool offscreen = false;
    int width = fullScreenWidth;
    int height = fullScreenHeight;
    // Only for timing on a GPU; the report's header says so.
    bool validation = true;

    BenchCamera camera = BenchCamera::Path;
    // Free camera only: where it stands and what it looks at, instead of its starting pose.
    std::optional<glm::vec3> eye;
    glm::vec3 lookAt{0.0f};
    std::optional<DisplayMode> displayMode;
    // Timeline seconds whose frames are saved as PNG files in captureFolder.
    std::vector<float> captureTimes;
    std::string captureFolder;
};

// Throws std::invalid_argument with one line that names the fault.
BenchOptions parseBenchOptions(const std::vector<std::string>& arguments);

// The file a capture at timeline second `t` is saved as, e.g. "t20.00.png".
std::string captureFileName(float t);

extern const std::string benchUsage;
