#include "renderer/ViewFrustum.h"

#include <cmath>

namespace {

glm::vec4 row(const glm::mat4& m, int i)
{
    return {m[0][i], m[1][i], m[2][i], m[3][i]};
}

// Scaled so that the plane equation gives distances. A plane without a direction (a degenerate
// matrix) becomes one that everything lies inside.
glm::vec4 normalised(const glm::vec4& plane)
{
    const float length = glm::length(glm::vec3(plane));
    return length > 0.0f ? plane / length : glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
}

// The sphere test is done in single precision on values the GPU then transforms again; a sphere
// that only grazes a plane is kept.
constexpr float relativeSlack = 1e-4f;

} // namespace

ViewFrustum::ViewFrustum(const glm::mat4& clipFromSpace)
{
    const glm::vec4 x = row(clipFromSpace, 0);
    const glm::vec4 y = row(clipFromSpace, 1);
    const glm::vec4 z = row(clipFromSpace, 2);
    const glm::vec4 w = row(clipFromSpace, 3);
    planes = {normalised(w + x), normalised(w - x), normalised(w + y),
              normalised(w - y), normalised(z),     normalised(w - z)};
}

bool ViewFrustum::reaches(const BoundingSphere& sphere) const
{
    const glm::vec4 centre(sphere.centre, 1.0f);
    for (const glm::vec4& plane : planes) {
        const float distance = glm::dot(plane, centre);
        if (distance < -sphere.radius - relativeSlack * (std::abs(plane.w) + sphere.radius)) {
            return false;
        }
    }
    return true;
}
