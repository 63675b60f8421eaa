#pragma once

#include <optional>

// The two scene sizes that drive most of a frame's cost. The demo always uses
// the defaults; a benchmark varies them to draw cost curves.
struct SceneSize {
    int particleCount = 98304;
    int environmentFaceSize = 800;
    // Set for runs that must give the same frames every time.
    std::optional<unsigned> particleSeed;
};
