#pragma once

#include "Mesh.h"

#include <functional>
#include <vector>

// One cross-section of a swept tube: an ellipse with radii along axisU and axisV.
// cross(axisU, axisV) must point along the direction of travel, which makes the tube face outwards.
struct Ring {
    glm::vec3 center;
    glm::vec3 axisU;
    glm::vec3 axisV;
    glm::vec2 radii;
};

struct SweepOptions {
    int segments = 24;
    // Texture u goes once around the tube; v grows by this much per unit of length along it.
    float vPerUnit = 0.1f;
    // Closes an end with a fan whose tip sits this far beyond the end ring (0: flat cap; < 0: no cap).
    float startCap = -1.0f;
    float endCap = -1.0f;
    // Scales the radius by angle (radians) and ring index, e.g. for ribs or rough rock.
    std::function<float(float angle, int ring)> radialScale;
};

Mesh sweep(const std::vector<Ring>& rings, const SweepOptions& options);

// Rings along a poly-line with parallel-transported frames, starting with axisU ⟂ `reference`.
std::vector<Ring> ringsAlongCurve(const std::vector<glm::vec3>& points, const std::vector<glm::vec2>& radii,
                                  glm::vec3 reference);
