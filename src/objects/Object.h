#pragma once

#include "objects/Model.h"
#include "paths/Path.h"
#include "pipelines/Pipeline.h"
#include "base/BufferUtils.h"
#include "base/MappedBuffer.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

class Camera;

// A drawn thing with per-frame uniform buffers and descriptor sets. Objects are
// plain values: copies share the same Vulkan handles, and only cleanup()
// releases them, exactly once, on the copy that the application keeps.
class Object {
public:
    Object() = default;

    virtual void cleanupUniformBuffers() {}
    virtual void update(float /*time*/, float /*deltaTime*/, uint32_t /*currentFrame*/, Camera* /*camera*/) {}
    virtual void updateWithViewProj(float /*time*/, float /*deltaTime*/, uint32_t /*currentFrame*/, glm::mat4 /*view*/,
                                    glm::mat4 /*proj*/)
    {
    }
    virtual void cleanup() {}

    VkDescriptorSet& getDescriptorSet(uint32_t frameIndex) { return descriptorSets[frameIndex]; }
    VkBuffer& getVertexBuffer() { return model->getVertexBuffer(); }
    VkBuffer& getIndexBuffer() { return model->getIndexBuffer(); }
    std::vector<uint32_t> getIndices() const { return model->getIndices(); }
    uint32_t getIndexCount() const { return model->getIndexCount(); }
    const std::vector<MeshCluster>& getClusters() const { return model->getClusters(); }
    VkPipeline getPipeline() const { return pipeline->getPipeline(); }
    VkPipelineLayout getPipelineLayout() const { return pipeline->getPipelineLayout(); }

    // What the last update wrote for a frame, for checking the uniform contents.
    const void* getMappedUniformBuffer(uint32_t frameIndex) const { return uniformBuffers[frameIndex].mapped; }

protected:
    Model* model = nullptr;
    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    Pipeline* pipeline = nullptr;
    glm::vec3 position{0.0f};
    glm::vec3 scale{1.0f};
    glm::vec3 rotationAxis{0.0f, 1.0f, 0.0f};
    float rotationAngle = 0.0f;
    glm::mat4 pathRotation{1.0f};
    std::vector<MappedBuffer> uniformBuffers;
    VkDescriptorPool descriptorPool = VK_NULL_HANDLE;
    std::vector<VkDescriptorSet> descriptorSets;
    Path path;
    bool followsPath = false;
    bool isCameraTarget = false;
};
