#include "AssetFiles.h"
#include "objects/MeshClusters.h"
#include "objects/ObjLoader.h"

#include "ProjectFiles.h"

#include "scene/Finite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// A file of the asset list, where the build puts it.
std::string assetPath(const char* file)
{
    return projectRoot() + "/assets/" + file;
}

struct MeshStats {
    size_t triangles = 0;
    size_t fallbackNormals = 0;
    bool finite = true;
    // Positive for a closed mesh whose triangles wind counter-clockwise seen from outside.
    double signedVolume = 0.0;
    glm::vec3 lowest{std::numeric_limits<float>::max()};
    glm::vec3 highest{std::numeric_limits<float>::lowest()};
};

MeshStats statsOf(const MeshData& mesh)
{
    MeshStats stats;
    stats.triangles = mesh.indices.size() / 3;
    for (const Vertex& vertex : mesh.vertices) {
        stats.fallbackNormals += vertex.normal == glm::vec3(1.0f, 0.0f, 0.0f) ? 1 : 0;
        // The tangent frame as the shaders take it, one matrix of three columns.
        stats.finite = stats.finite && isFinite(glm::mat4(glm::mat3(vertex.tangent, vertex.bitangent, vertex.normal)));
        stats.lowest = glm::min(stats.lowest, vertex.pos);
        stats.highest = glm::max(stats.highest, vertex.pos);
    }
    for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
        const glm::dvec3 a = mesh.vertices[mesh.indices[i]].pos;
        const glm::dvec3 b = mesh.vertices[mesh.indices[i + 1]].pos;
        const glm::dvec3 c = mesh.vertices[mesh.indices[i + 2]].pos;
        stats.signedVolume += glm::dot(a, glm::cross(b, c)) / 6.0;
    }
    return stats;
}

MeshStats tangentMesh(const char* file)
{
    return statsOf(loadModelWithTangents(assetPath(file)));
}

void expectSound(const MeshStats& stats, size_t vertexCount, const std::string& name)
{
    EXPECT_TRUE(stats.finite) << name;
    EXPECT_LT(stats.fallbackNormals, vertexCount / 100 + 1) << name << ": too many collinear triangles";
}

} // namespace

TEST(Assets, EveryFileTheSceneReadsExists)
{
    EXPECT_TRUE(std::filesystem::is_directory(assetPath(assetFiles::skyboxTexture)));
    for (const char* file : assetFiles::everyFile) {
        EXPECT_TRUE(std::filesystem::is_regular_file(assetPath(file))) << file;
    }
}

TEST(Assets, ClosedMeshesFaceOutwardsAndHaveSoundTriangles)
{
    const std::vector<std::pair<const char*, size_t>> meshes = {{assetFiles::spaceshipModel, 2000},
                                                                {assetFiles::rockModel, 1000},
                                                                {assetFiles::redRockModel, 1000},
                                                                {assetFiles::redRock2Model, 500},
                                                                {assetFiles::cactusModel, 1000}};
    for (const auto& [name, fewestTriangles] : meshes) {
        const MeshData mesh = loadModelWithTangents(assetPath(name));
        const MeshStats stats = statsOf(mesh);
        EXPECT_GE(stats.triangles, fewestTriangles) << name;
        EXPECT_GT(stats.signedVolume, 0.0) << name << " winds inside out";
        expectSound(stats, mesh.vertices.size(), name);
    }
}

TEST(Assets, SpaceshipIsUprightWithItsNoseAlongPlusZ)
{
    const MeshData mesh = loadModelWithTangents(assetPath(assetFiles::spaceshipModel));
    const MeshStats stats = statsOf(mesh);
    const glm::vec3 size = stats.highest - stats.lowest;
    EXPECT_GE(size.z, 6.0f);
    EXPECT_LE(size.z, 12.0f);
    EXPECT_GT(size.x, size.y) << "the wings must spread sideways, not up";
    const Vertex* nose = &mesh.vertices.front();
    for (const Vertex& vertex : mesh.vertices) {
        nose = vertex.pos.z > nose->pos.z ? &vertex : nose;
    }
    EXPECT_NEAR(nose->pos.x, 0.0f, 0.1f) << "the foremost point is the nose tip on the centre line";
    EXPECT_GT(nose->pos.z, -stats.lowest.z) << "the nose reaches further forward than the tail reaches back";
}

TEST(Assets, CactusRisesWellOutOfTheGroundItIsSunkInto)
{
    const MeshStats stats = tangentMesh(assetFiles::cactusModel);
    EXPECT_NEAR(stats.lowest.y, 0.0f, 0.01f);
    // The scene plants it three units below the surface.
    EXPECT_GE(stats.highest.y - 3.0f, 6.0f);
    EXPECT_LE(stats.highest.y, 14.0f);
}

TEST(Assets, GroundIsALargeUpwardFacingHeightfieldFlatNearTheOrigin)
{
    const MeshData mesh = loadModelWithTangents(assetPath(assetFiles::groundModel));
    const MeshStats stats = statsOf(mesh);
    EXPECT_GE(stats.triangles, 20000u);
    expectSound(stats, mesh.vertices.size(), assetFiles::groundModel);
    // Scaled by two, it must reach the far plane 1500 units away.
    EXPECT_GE(-stats.lowest.x, 700.0f);
    EXPECT_GE(stats.highest.z, 700.0f);
    size_t upward = 0;
    float highestNearOrigin = 0.0f;
    for (const Vertex& vertex : mesh.vertices) {
        upward += vertex.normal.y > 0.0f ? 1 : 0;
        if (glm::length(glm::vec2(vertex.pos.x, vertex.pos.z)) < 40.0f) {
            highestNearOrigin = std::max(highestNearOrigin, std::abs(vertex.pos.y));
        }
    }
    EXPECT_EQ(upward, mesh.vertices.size());
    EXPECT_LT(highestNearOrigin, 2.0f) << "the flight area and the reflective cube need low ground";
}

TEST(Assets, GroundComesInTilesThatAViewCanSkipOneByOne)
{
    const MeshData mesh = loadModelWithTangents(assetPath(assetFiles::groundModel));
    const std::vector<MeshCluster> clusters = meshClusters(mesh);
    ASSERT_GE(clusters.size(), 100u);
    uint32_t next = 0;
    for (const MeshCluster& cluster : clusters) {
        EXPECT_EQ(cluster.range.first, next) << "the tiles follow each other through the index list";
        next += cluster.range.count;
        // Even the coarse outer tiles are a small piece of the 1500-unit-wide mesh.
        EXPECT_LT(cluster.bounds.radius, 190.0f);
    }
    EXPECT_EQ(next, mesh.indices.size());
}

TEST(Assets, CubesAreAxisAlignedWithOutwardFileNormals)
{
    for (const auto& [name, halfSize] :
         {std::pair<const char*, float>{assetFiles::cubeModel, 1.0f}, {assetFiles::dynCubeModel, 5.0f}}) {
        const MeshData mesh = loadModel(assetPath(name));
        EXPECT_EQ(mesh.indices.size(), 36u) << name;
        EXPECT_EQ(mesh.vertices.size(), 24u) << name;
        for (const Vertex& vertex : mesh.vertices) {
            EXPECT_FLOAT_EQ(glm::length(vertex.normal), 1.0f) << name;
            EXPECT_FLOAT_EQ(glm::dot(vertex.normal, vertex.pos), halfSize) << name << ": normal must point out";
        }
        EXPECT_GT(statsOf(mesh).signedVolume, 0.0) << name;
    }
}

TEST(Assets, ScreenQuadMapsTheTopLeftCornerToTheFirstTexel)
{
    const MeshData mesh = loadModelWithTangents(assetPath(assetFiles::planeModel));
    ASSERT_EQ(mesh.indices.size(), 6u);
    ASSERT_EQ(mesh.vertices.size(), 4u);
    for (const Vertex& vertex : mesh.vertices) {
        EXPECT_EQ(std::abs(vertex.pos.x), 1.0f);
        EXPECT_EQ(std::abs(vertex.pos.y), 1.0f);
        EXPECT_EQ(vertex.pos.z, 0.0f);
        EXPECT_EQ(vertex.texCoord, (glm::vec2(vertex.pos) + 1.0f) * 0.5f) << "clip y = -1 is the top row";
    }
}
