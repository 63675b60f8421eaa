#include "renderer/DrawOrder.h"

#include "renderer/ViewFrustum.h"

#include <algorithm>

namespace {

struct VisiblePart {
    PartDraw draw;
    float distance;
};

// A sphere carried into world space: the centre moves with the model, the radius grows with its
// largest scale.
BoundingSphere inWorld(const BoundingSphere& sphere, const glm::mat4& worldFromModel)
{
    const float largestScale =
        std::max({glm::length(glm::vec3(worldFromModel[0])), glm::length(glm::vec3(worldFromModel[1])),
                  glm::length(glm::vec3(worldFromModel[2]))});
    return {glm::vec3(worldFromModel * glm::vec4(sphere.centre, 1.0f)), sphere.radius * largestScale};
}

} // namespace

std::vector<PartDraw> frontToBack(const std::vector<ViewedMesh>& meshes, const glm::mat4& clipFromWorld,
                                  const glm::vec3& eye)
{
    const ViewFrustum frustum(clipFromWorld);
    std::vector<VisiblePart> parts;
    for (size_t mesh = 0; mesh < meshes.size(); ++mesh) {
        for (const MeshCluster& cluster : *meshes[mesh].clusters) {
            const BoundingSphere sphere = inWorld(cluster.bounds, meshes[mesh].worldFromModel);
            if (frustum.reaches(sphere)) {
                parts.push_back({{mesh, cluster.range}, glm::distance(eye, sphere.centre) - sphere.radius});
            }
        }
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const VisiblePart& a, const VisiblePart& b) { return a.distance < b.distance; });

    std::vector<PartDraw> draws;
    for (const VisiblePart& part : parts) {
        if (!draws.empty() && draws.back().mesh == part.draw.mesh &&
            draws.back().range.first + draws.back().range.count == part.draw.range.first) {
            draws.back().range.count += part.draw.range.count;
        } else {
            draws.push_back(part.draw);
        }
    }
    return draws;
}
