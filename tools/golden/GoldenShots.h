#pragma once

#include "constants/DisplayModes.h"
#include "renderer/FramePixels.h"

#include <glm/glm.hpp>

#include <optional>
#include <string>
#include <vector>

// One reference frame: a camera, a timeline second and, where the timeline's
// own choice is not wanted, a display mode.
struct GoldenShot {
    std::string name;
    float t;
    bool freeCamera;
    std::optional<DisplayMode> displayMode;
    // Free camera only: where it stands and what it looks at; without one it
    // keeps the pose it starts with.
    std::optional<glm::vec3> eye;
    glm::vec3 lookAt{0.0f};
    // Frames played before the shot: the dust needs a second or so to rise.
    int leadInFrames = 2;
};

const std::vector<GoldenShot>& goldenShots();

// Renders every shot, in order, in one offscreen run of the demo's scene.
std::vector<FramePixels> renderGoldenShots(uint32_t width, uint32_t height);
