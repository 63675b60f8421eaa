#include "objects/Model.h"

#include "GpuTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace {

// A unit quad (two triangles, four distinct corners) and a third triangle
// that reuses two of its corners.
const char* quadObj = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 2 0 0\n"
                      "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvt 0.5 0.5\n"
                      "vn 0 0 1\n"
                      "f 1/1/1 2/2/1 3/3/1 4/4/1\n"
                      "f 2/2/1 5/5/1 3/3/1\n";

class ModelTest : public GpuTest {};

} // namespace

TEST_F(ModelTest, DeviceBuffersHoldTheLoadedGeometry)
{
    Model model(bufferUtils(), dir.write("quad.obj", quadObj), false);

    const std::vector<Vertex>& vertices = model.getVertices();
    const std::vector<uint32_t> indices = model.getIndices();
    ASSERT_EQ(vertices.size(), 5u);
    ASSERT_EQ(indices.size(), 9u);

    const std::vector<char> vertexBytes =
        context().readBuffer(model.getVertexBuffer(), sizeof(Vertex) * vertices.size());
    EXPECT_EQ(std::memcmp(vertexBytes.data(), vertices.data(), vertexBytes.size()), 0);

    const std::vector<char> indexBytes =
        context().readBuffer(model.getIndexBuffer(), sizeof(uint32_t) * indices.size());
    std::vector<uint32_t> deviceIndices(indices.size());
    std::memcpy(deviceIndices.data(), indexBytes.data(), indexBytes.size());
    EXPECT_EQ(deviceIndices, indices);

    model.cleanup();
}

TEST_F(ModelTest, TangentLoaderFillsTheVertexBufferWithItsFrames)
{
    Model model(bufferUtils(), dir.write("quad.obj", quadObj), true);

    const std::vector<Vertex>& vertices = model.getVertices();
    const std::vector<char> vertexBytes =
        context().readBuffer(model.getVertexBuffer(), sizeof(Vertex) * vertices.size());
    std::vector<Vertex> deviceVertices(vertices.size());
    std::memcpy(deviceVertices.data(), vertexBytes.data(), vertexBytes.size());
    for (size_t i = 0; i < vertices.size(); i++) {
        EXPECT_EQ(deviceVertices[i].normal, glm::vec3(0.0f, 0.0f, 1.0f)) << "vertex " << i;
        EXPECT_EQ(deviceVertices[i].tangent, vertices[i].tangent) << "vertex " << i;
        EXPECT_NE(deviceVertices[i].tangent, glm::vec3(0.0f)) << "vertex " << i;
    }

    model.cleanup();
}

// Meshes are shared by several objects, and each one cleans up what it uses.
TEST_F(ModelTest, SecondCleanupDestroysNothing)
{
    Model model(bufferUtils(), dir.write("quad.obj", quadObj), false);
    model.cleanup();
    model.cleanup();
}

TEST_F(ModelTest, MissingFileThrowsBeforeAnyBufferExists)
{
    EXPECT_THROW(Model(bufferUtils(), (dir.path() / "absent.obj").string(), false), std::runtime_error);
}

// Vulkan has no buffers of size zero; such a mesh is refused with a message instead.
TEST_F(ModelTest, MeshWithoutTrianglesIsRefused)
{
    const std::string file = dir.write("points.obj", "v 0 0 0\nv 1 0 0\n");
    try {
        Model model(bufferUtils(), file, false);
        FAIL() << "a mesh without triangles was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "model has no triangles: " + file);
    }
}
