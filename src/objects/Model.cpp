#include "objects/Model.h"

#include "objects/ObjLoader.h"
#include "renderer/StartupTally.h"

#include <cstring>
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

void Model::createVertexBuffer()
{
    createDeviceLocalBuffer(vertices.data(), sizeof(Vertex) * vertices.size(), VK_BUFFER_USAGE_VERTEX_BUFFER_BIT,
                            vertexBuffer, vertexBufferMemory);
}

void Model::createIndexBuffer()
{
    createDeviceLocalBuffer(indices.data(), sizeof(uint32_t) * indices.size(), VK_BUFFER_USAGE_INDEX_BUFFER_BIT,
                            indexBuffer, indexBufferMemory);
}

void Model::createDeviceLocalBuffer(const void* contents, VkDeviceSize bufferSize, VkBufferUsageFlags usage,
                                    VkBuffer& buffer, VkDeviceMemory& bufferMemory)
{
    VkBuffer stagingBuffer;
    VkDeviceMemory stagingBufferMemory;
    bufferUtils.createBuffer(bufferSize, VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                             VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT, stagingBuffer,
                             stagingBufferMemory);

    void* data;
    vkMapMemory(device, stagingBufferMemory, 0, bufferSize, 0, &data);
    std::memcpy(data, contents, static_cast<size_t>(bufferSize));
    vkUnmapMemory(device, stagingBufferMemory);

    // Transfer source as well, so that the uploaded geometry can be read back and verified.
    bufferUtils.createBuffer(bufferSize,
                             VK_BUFFER_USAGE_TRANSFER_SRC_BIT | VK_BUFFER_USAGE_TRANSFER_DST_BIT | usage,
                             VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, buffer, bufferMemory);
    bufferUtils.copyBuffer(stagingBuffer, buffer, bufferSize);

    vkDestroyBuffer(device, stagingBuffer, nullptr);
    vkFreeMemory(device, stagingBufferMemory, nullptr);
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
