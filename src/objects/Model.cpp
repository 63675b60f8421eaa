#include "objects/Model.h"

#include "objects/ObjLoader.h"
#include "timing/StartupTally.h"

#include <stdexcept>

Model::Model(BufferUtils bufferUtils, std::string path, bool computeTangents)
    : bufferUtils(bufferUtils), device(bufferUtils.getDevice())
{
    MeshData mesh = [&] {
        StartupTimer timer(StartupCost::Decoding);
        return computeTangents ? loadModelWithTangents(path) : loadModel(path);
    }();
    // Vulkan forbids buffers of size zero, and a mesh without triangles could not be drawn anyway.
    if (mesh.indices.empty()) {
        throw std::runtime_error("model has no triangles: " + path);
    }
    clusters = meshClusters(mesh);
    vertices = std::move(mesh.vertices);
    indices = std::move(mesh.indices);
    createVertexBuffer();
    createIndexBuffer();
}

// Both buffers are transfer sources as well, so that the uploaded geometry can be read back and verified.
void Model::createVertexBuffer()
{
    bufferUtils.createDeviceLocalBuffer(vertices.data(), sizeof(Vertex) * vertices.size(),
                                        VK_BUFFER_USAGE_VERTEX_BUFFER_BIT | VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                                        vertexBuffer, vertexBufferMemory);
}

void Model::createIndexBuffer()
{
    bufferUtils.createDeviceLocalBuffer(indices.data(), sizeof(uint32_t) * indices.size(),
                                        VK_BUFFER_USAGE_INDEX_BUFFER_BIT | VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                                        indexBuffer, indexBufferMemory);
}

void Model::cleanup()
{
    if (cleanedUp) {
        return;
    }
    vkDestroyBuffer(device, indexBuffer, nullptr);
    vkFreeMemory(device, indexBufferMemory, nullptr);
    vkDestroyBuffer(device, vertexBuffer, nullptr);
    vkFreeMemory(device, vertexBufferMemory, nullptr);
    cleanedUp = true;
}
