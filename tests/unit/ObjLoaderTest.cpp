#include "objects/ObjLoader.h"

#include "GlmExpectations.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// The loader parses and normalises: nothing beyond rounding may move a value.
constexpr float roundingOnly = 1e-6f;

const glm::vec3 fallback(1.0f, 0.0f, 0.0f);

// One triangle listed twice with the same positions and texture coordinates
// but a different file normal each time.
const char* twoNormalsObj = "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                            "vt 0 0\nvt 1 0\nvt 0 1\n"
                            "vn 0 0 1\nvn 0 0 -1\n"
                            "f 1/1/1 2/2/1 3/3/1\n"
                            "f 1/1/2 2/2/2 3/3/2\n";

class ObjLoaderTest : public ::testing::Test {
protected:
    TempDir dir;
};

} // namespace

TEST_F(ObjLoaderTest, AQuadArrivesAsTwoTriangles)
{
    const std::string file = dir.write("quad.obj", "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                                                   "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n"
                                                   "f 1/1/1 2/2/1 3/3/1 4/4/1\n");
    const MeshData mesh = loadModel(file);
    EXPECT_EQ(mesh.indices.size(), 6u);
    EXPECT_EQ(mesh.vertices.size(), 4u);
    for (uint32_t index : mesh.indices) {
        EXPECT_LT(index, mesh.vertices.size());
    }
}

TEST_F(ObjLoaderTest, KeepsFileNormalsAndFlipsV)
{
    const MeshData mesh = loadModel(dir.write("tri.obj", "v 1 2 3\nv 4 5 6\nv 7 8 9\n"
                                                         "vt 0.25 0.125\nvn 0 1 0\n"
                                                         "f 1/1/1 2/1/1 3/1/1\n"));
    ASSERT_EQ(mesh.vertices.size(), 3u);
    const Vertex& first = mesh.vertices[mesh.indices[0]];
    expectVec3Near(first.pos, {1.0f, 2.0f, 3.0f}, roundingOnly);
    expectVec3Near(first.normal, {0.0f, 1.0f, 0.0f}, roundingOnly);
    EXPECT_FLOAT_EQ(first.texCoord.x, 0.25f);
    EXPECT_FLOAT_EQ(first.texCoord.y, 0.875f);
    expectVec3Near(first.tangent, glm::vec3(0.0f), roundingOnly);
    expectVec3Near(first.bitangent, glm::vec3(0.0f), roundingOnly);
}

TEST_F(ObjLoaderTest, FileNormalsSeparateCornersOnlyWhenTheyAreKept)
{
    const std::string file = dir.write("normals.obj", twoNormalsObj);
    const MeshData withNormals = loadModel(file);
    EXPECT_EQ(withNormals.vertices.size(), 6u);
    EXPECT_EQ(withNormals.indices.size(), 6u);

    const MeshData withTangents = loadModelWithTangents(file);
    EXPECT_EQ(withTangents.vertices.size(), 3u);
    EXPECT_EQ(withTangents.indices, (std::vector<uint32_t>{0, 1, 2, 0, 1, 2}));
}

TEST_F(ObjLoaderTest, ComputesTheTriangleFrame)
{
    const MeshData mesh =
        loadModelWithTangents(dir.write("frame.obj", "v 0 0 0\nv 2 0 0\nv 0 2 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 1 0\n"
                                                     "f 1/1/1 2/2/1 3/3/1\n"));
    ASSERT_EQ(mesh.vertices.size(), 3u);
    for (const Vertex& vertex : mesh.vertices) {
        expectVec3Near(vertex.normal, {0.0f, 0.0f, 1.0f}, roundingOnly);
        expectVec3Near(vertex.tangent, {1.0f, 0.0f, 0.0f}, roundingOnly);
        // v grows downwards after the flip, so the bitangent points to -y.
        expectVec3Near(vertex.bitangent, {0.0f, -1.0f, 0.0f}, roundingOnly);
    }
}

TEST_F(ObjLoaderTest, SharedCornersTakeTheFrameOfTheLastTriangle)
{
    const MeshData mesh =
        loadModelWithTangents(dir.write("shared.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 0 0 1\nvt 0 0\nvt 1 0\nvt 0 1\n"
                                                      "f 1/1 2/2 3/3\nf 1/1 4/3 2/2\n"));
    ASSERT_EQ(mesh.vertices.size(), 4u);
    expectVec3Near(mesh.vertices[0].normal, {0.0f, 1.0f, 0.0f}, roundingOnly);
    expectVec3Near(mesh.vertices[2].normal, {0.0f, 0.0f, 1.0f}, roundingOnly);
}

TEST_F(ObjLoaderTest, CollinearCornersGetTheFallbackNormal)
{
    const MeshData mesh = loadModelWithTangents(
        dir.write("line.obj", "v 0 0 0\nv 1 1 1\nv 2 2 2\nvt 0 0\nvt 1 0\nvt 0 1\nf 1/1 2/2 3/3\n"));
    ASSERT_EQ(mesh.vertices.size(), 3u);
    expectVec3Near(mesh.vertices[0].normal, fallback, roundingOnly);
}

TEST_F(ObjLoaderTest, EqualTextureCoordinatesGiveTheFallbackTangentFrame)
{
    const MeshData mesh =
        loadModelWithTangents(dir.write("flat.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.5 0.5\nf 1/1 2/1 3/1\n"));
    ASSERT_EQ(mesh.vertices.size(), 3u);
    for (const Vertex& vertex : mesh.vertices) {
        expectVec3Near(vertex.tangent, fallback, roundingOnly);
        expectVec3Near(vertex.bitangent, fallback, roundingOnly);
        expectVec3Near(vertex.normal, {0.0f, 0.0f, 1.0f}, roundingOnly);
    }
}

TEST_F(ObjLoaderTest, MissingCornerAttributesReadAsZeros)
{
    const std::string file = dir.write("bare.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\nf 1 3 2\n");
    const MeshData mesh = loadModel(file);
    ASSERT_EQ(mesh.indices.size(), 6u);
    const Vertex& withNormal = mesh.vertices[mesh.indices[0]];
    expectVec3Near(withNormal.normal, {0.0f, 0.0f, 1.0f}, roundingOnly);
    EXPECT_EQ(withNormal.texCoord, glm::vec2(0.0f));
    const Vertex& bare = mesh.vertices[mesh.indices[3]];
    expectVec3Near(bare.normal, glm::vec3(0.0f), roundingOnly);
    EXPECT_EQ(bare.texCoord, glm::vec2(0.0f));

    const MeshData withTangents = loadModelWithTangents(file);
    EXPECT_EQ(withTangents.vertices.size(), 3u);
}

namespace {

std::string loadError(const std::string& file)
{
    try {
        loadModel(file);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST_F(ObjLoaderTest, ParserFailuresAreReportedOnOneLine)
{
    const std::string absent = (dir.path() / "absent.obj").string();
    EXPECT_EQ(loadError(absent), "Cannot open file [" + absent + "]");
    EXPECT_THROW(loadModelWithTangents(absent), std::runtime_error);
    const std::string message = loadError(dir.write("zero.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 0 1 2\n"));
    EXPECT_NE(message, "");
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
}

TEST_F(ObjLoaderTest, FacesOnVerticesThatDoNotExistAreRefused)
{
    for (const char* face : {"f 1 2 7\n", "f -1 -2 -4\n"}) {
        const std::string file = dir.write("dangling.obj", std::string("v 0 0 0\nv 1 0 0\nv 0 1 0\n") + face);
        EXPECT_EQ(loadError(file), "face refers to a vertex that does not exist: " + file) << face;
    }
}

TEST_F(ObjLoaderTest, NumbersBeyondTheFloatRangeAreRefused)
{
    const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    for (const std::string extra : {"v 1e39 0 0\n", "vn 0 -1e40 1\n", "vt 0 1e39\n"}) {
        const std::string file = dir.write("huge.obj", triangle + extra + "f 1 2 3\n");
        EXPECT_EQ(loadError(file), "model holds a value that is not a finite number: " + file) << extra;
        EXPECT_THROW(loadModelWithTangents(file), std::runtime_error) << extra;
    }
}

TEST_F(ObjLoaderTest, EachGroupOfTheFileIsAPartOfTheIndexList)
{
    const MeshData mesh = loadModel(dir.write("groups.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvn 0 0 1\n"
                                                            "g first\nf 1//1 2//1 3//1\nf 2//1 4//1 3//1\n"
                                                            "g empty\n"
                                                            "g last\nf 1//1 2//1 4//1\n"));
    ASSERT_EQ(mesh.parts.size(), 2u) << "a group without faces is no part";
    EXPECT_EQ(mesh.parts[0].first, 0u);
    EXPECT_EQ(mesh.parts[0].count, 6u);
    EXPECT_EQ(mesh.parts[1].first, 6u);
    EXPECT_EQ(mesh.parts[1].count, 3u);
    EXPECT_EQ(mesh.indices.size(), 9u);
}

TEST_F(ObjLoaderTest, AFileWithoutGroupsIsOnePart)
{
    const MeshData mesh = loadModelWithTangents(dir.write("twice.obj", twoNormalsObj));
    ASSERT_EQ(mesh.parts.size(), 1u);
    EXPECT_EQ(mesh.parts[0].first, 0u);
    EXPECT_EQ(mesh.parts[0].count, mesh.indices.size());
}
