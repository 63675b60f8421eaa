#pragma once

#include "Mesh.h"

#include <functional>
#include <vector>

// A closed surface built ring by ring around the y axis, for rocks: `rings` parameters from the bottom ring to
// the top ring, each ring `segments` points around, and a fan from the bottom ring to `bottomPole` and from the
// top ring to `topPole`. `point` places the point at an angle (radians) on a ring: seen along the rings from the
// top pole, the angle runs clockwise, as (cos, sin) does in the (x, z) plane seen from +y. `uv` gives a point's
// texture coordinate from its position, angle and ring (a pole takes a ring one step beyond its end ring). At
// least two rings. The angle 2π
// closes a ring on the point at 0: the two share a position and differ only in the angle `uv` is given.
struct LatheShape {
    int segments = 64;
    std::vector<float> rings;
    std::function<glm::vec3(float angle, float ring)> point;
    glm::vec3 bottomPole{0.0f};
    glm::vec3 topPole{0.0f};
    std::function<glm::vec2(glm::vec3 position, float angle, float ring)> uv;
};

Mesh lathe(const LatheShape& shape);
