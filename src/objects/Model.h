#pragma once

#include "objects/MeshClusters.h"
#include "scene/Vertex.h"
#include "base/BufferUtils.h"

#include <cstdint>
#include <string>
#include <vector>

// A mesh read from an OBJ file, with its vertices and indices in device-local memory.
// Several scene objects share one Model and each cleans it up, so cleanup() runs once.
class Model {
public:
    Model(BufferUtils bufferUtils, std::string path, bool computeTangents);

    VkBuffer& getVertexBuffer() { return vertexBuffer; }
    VkBuffer& getIndexBuffer() { return indexBuffer; }
    std::vector<uint32_t> getIndices() const { return indices; }
    // What a draw needs, without copying the indices as getIndices() does.
    uint32_t getIndexCount() const { return static_cast<uint32_t>(indices.size()); }
    const std::vector<Vertex>& getVertices() const { return vertices; }
    // The parts a view can skip one by one; together they cover the index list.
    const std::vector<MeshCluster>& getClusters() const { return clusters; }

    void cleanup();

private:
    void createVertexBuffer();
    void createIndexBuffer();

    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    std::vector<Vertex> vertices;
    std::vector<uint32_t> indices;
    std::vector<MeshCluster> clusters;
    VkBuffer vertexBuffer = VK_NULL_HANDLE;
    VkDeviceMemory vertexBufferMemory = VK_NULL_HANDLE;
    VkBuffer indexBuffer = VK_NULL_HANDLE;
    VkDeviceMemory indexBufferMemory = VK_NULL_HANDLE;
    bool cleanedUp = false;
};
