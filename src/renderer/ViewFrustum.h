#pragma once

#include "objects/BoundingSphere.h"

#include <glm/glm.hpp>

#include <array>

// The clip volume that Vulkan rasterises (-w <= x, y <= w and 0 <= z <= w) as six half-spaces in
// the space that a clip-from-space matrix starts from. Whatever lies wholly outside one of them
// is clipped away before it can touch a pixel.
class ViewFrustum {
public:
    explicit ViewFrustum(const glm::mat4& clipFromSpace);

    // False only for a sphere that lies wholly outside the volume.
    bool reaches(const BoundingSphere& sphere) const;

private:
    std::array<glm::vec4, 6> planes;
};
