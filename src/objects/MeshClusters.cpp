#include "objects/MeshClusters.h"

#include <algorithm>

namespace {

BoundingSphere boundsOf(const MeshData& mesh, IndexRange range)
{
    glm::vec3 lowest = mesh.vertices[mesh.indices[range.first]].pos;
    glm::vec3 highest = lowest;
    for (uint32_t i = range.first; i < range.first + range.count; ++i) {
        lowest = glm::min(lowest, mesh.vertices[mesh.indices[i]].pos);
        highest = glm::max(highest, mesh.vertices[mesh.indices[i]].pos);
    }
    BoundingSphere sphere{0.5f * (lowest + highest), 0.0f};
    for (uint32_t i = range.first; i < range.first + range.count; ++i) {
        sphere.radius = std::max(sphere.radius, glm::distance(sphere.centre, mesh.vertices[mesh.indices[i]].pos));
    }
    return sphere;
}

} // namespace

std::vector<MeshCluster> meshClusters(const MeshData& mesh)
{
    std::vector<MeshCluster> clusters;
    for (const IndexRange& part : mesh.parts) {
        clusters.push_back({part, boundsOf(mesh, part)});
    }
    return clusters;
}
