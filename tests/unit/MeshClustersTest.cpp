#include "objects/MeshClusters.h"

#include <gtest/gtest.h>

namespace {

Vertex at(float x, float y, float z)
{
    Vertex vertex{};
    vertex.pos = glm::vec3(x, y, z);
    return vertex;
}

// Two parts far apart that share no vertex, plus a vertex that no triangle uses.
MeshData twoPartMesh()
{
    MeshData mesh;
    mesh.vertices = {at(0, 0, 0),   at(2, 0, 0),   at(0, 4, 0),   at(100, 0, 0),
                     at(101, 0, 0), at(100, 0, 1), at(-500, 0, 0)};
    mesh.indices = {0, 1, 2, 3, 4, 5, 3, 5, 4};
    mesh.parts = {{0, 3}, {3, 6}};
    return mesh;
}

} // namespace

TEST(MeshClusters, EachPartIsBoundedByItsOwnVerticesOnly)
{
    const MeshData mesh = twoPartMesh();
    const std::vector<MeshCluster> clusters = meshClusters(mesh);
    ASSERT_EQ(clusters.size(), 2u);
    for (size_t c = 0; c < clusters.size(); ++c) {
        const MeshCluster& cluster = clusters[c];
        EXPECT_EQ(cluster.range.first, mesh.parts[c].first);
        EXPECT_EQ(cluster.range.count, mesh.parts[c].count);
        for (uint32_t i = cluster.range.first; i < cluster.range.first + cluster.range.count; ++i) {
            EXPECT_LE(glm::distance(cluster.bounds.centre, mesh.vertices[mesh.indices[i]].pos),
                      cluster.bounds.radius * (1.0f + 1e-6f))
                << "cluster " << c;
        }
    }
    // Neither sphere reaches the other part or the vertex that is not drawn.
    EXPECT_LT(clusters[0].bounds.radius, 5.0f);
    EXPECT_LT(clusters[1].bounds.radius, 2.0f);
    EXPECT_NEAR(clusters[1].bounds.centre.x, 100.5f, 1e-5f);
}
