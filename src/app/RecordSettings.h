#pragma once

#include "constants/DisplayModes.h"
#include "renderer/RendererSettings.h"

#include <vulkan/vulkan.h>

#include <optional>
#include <string>

// What a recording of the flight is asked for.
struct RecordSettings {
    std::string file;
    int fps = 30;
    // One whole cycle of the timeline by default.
    float seconds = 85.0f;
    // The timeline second of the first frame.
    float startTime = 0.0f;
    VkExtent2D size{1280, 720};
    bool freeCamera = false;
    std::optional<DisplayMode> displayMode;
    RendererSettings renderer;

    // Every frame advances the timeline by exactly 1/fps; at least one frame.
    int frameCount() const;
};

// The readings of the recording's own numbers; each throws badValue naming
// the option and the text when the text does not fit.
int framesPerSecond(const std::string& text);
float recordingSeconds(const std::string& text);

constexpr int maxFramesPerSecond = 240;
// A day of video: far beyond any use, and a frame count an int holds.
constexpr float maxRecordingSeconds = 86400.0f;
