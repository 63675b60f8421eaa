#pragma once

#include "app/OptionParser.h"
#include "constants/DisplayModes.h"
#include "renderer/RendererSettings.h"

#include <optional>

enum class StartCamera { Path, Free };

// What a run of the demo's scene is asked for on the command line: the demo
// and the benchmark share these options.
struct RunOptions {
    // Set by --fullscreen or --windowed, whichever came last.
    std::optional<bool> fullScreen;
    std::optional<VkExtent2D> size;
    RendererSettings renderer;
    bool listDevices = false;
    // Held whatever the timeline or the keys say.
    std::optional<DisplayMode> displayMode;
    StartCamera camera = StartCamera::Path;
    // A second of the timeline's cycle.
    std::optional<float> startTime;
    std::optional<int> frames;
    // The demo's own: start with the overlay shown.
    bool overlay = false;
    bool help = false;
    bool version = false;

    // Full screen unless a window was asked for, or a size without saying which.
    bool windowed() const;
    // The size asked for, or the default of the window mode.
    VkExtent2D windowSize() const;
};

// The size of a window when none is given.
constexpr VkExtent2D defaultWindowSize{1280, 720};

// Registers the shared options with `parser`, each writing into `options`.
void addRunOptions(OptionParser& parser, RunOptions& options);
