#pragma once

#include "objects/Model.h"
#include "pipelines/Pipeline.h"
#include "base/BufferUtils.h"
#include "base/MappedBuffer.h"
#include "scene/ViewPass.h"
#include "textures/CubemapTexture.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

class Camera;

// A cube that samples a cubemap: the sky (static) or the reflective cube
// (dynamic), which also knows its world position and the two pipelines that
// draw the scene into its faces. A plain value like the scene objects.
class CubemapObject {
public:
    CubemapObject() = default;
    CubemapObject(BufferUtils bufferUtils, Pipeline* pipeline, Model* model, CubemapTexture* cubemap, bool dynamic);

    void setImageToCubePipeline(Pipeline* pipeline);
    void setCubeToCubePipeline(Pipeline* pipeline);
    void setPosition(glm::vec3 newPosition);
    glm::vec3 getPosition() const;
    VkPipeline getImageToCubePipeline() const;
    VkPipelineLayout getImageToCubePipelineLayout() const;
    VkPipeline getCubeToCubePipeline() const;
    VkPipelineLayout getCubeToCubePipelineLayout() const;

    VkDescriptorSet& getDescriptorSet(uint32_t frameIndex) { return descriptorSets[frameIndex]; }
    VkDescriptorSet getDescriptorSet(uint32_t frameIndex, ViewPass pass) const;
    VkPipeline getPipeline() const { return pipeline->getPipeline(); }
    VkPipelineLayout getPipelineLayout() const { return pipeline->getPipelineLayout(); }
    CubemapTexture* getCubemap() const { return cubemap; }
    VkBuffer& getVertexBuffer() { return model->getVertexBuffer(); }
    VkBuffer& getIndexBuffer() { return model->getIndexBuffer(); }
    std::vector<uint32_t> getIndices() const { return model->getIndices(); }
    uint32_t getIndexCount() const { return model->getIndexCount(); }

    void updateAsSkybox(uint32_t currentFrame, Camera* camera);
    // Writes the environment's record (ViewPass); the others write the camera's.
    void updateAsSkyboxWithViewProj(uint32_t currentFrame, glm::mat4 view, glm::mat4 proj);
    void updateAtPosition(uint32_t currentFrame, Camera* camera, glm::vec3 scale);

    void cleanup();

    // What the last update wrote for a frame, for checking the uniform contents.
    const void* getMappedUniformBuffer(uint32_t frameIndex, ViewPass pass = ViewPass::Camera) const;
    const void* getMappedCameraBuffer(uint32_t frameIndex) const { return cameraBuffers[frameIndex].mapped; }

private:
    void createUniformBuffers();
    void createDescriptorPool();
    void createDescriptorSets();
    void writeDescriptorSet(VkDescriptorSet descriptorSet, uint32_t frameIndex, ViewPass pass) const;
    const std::vector<MappedBuffer>& buffersOf(ViewPass pass) const;
    void writeUniforms(uint32_t currentFrame, ViewPass pass, const glm::mat4& modelMatrix, const glm::mat4& view,
                       const glm::mat4& proj);
    void writeCameraPosition(uint32_t currentFrame, const Camera* camera);

    Model* model = nullptr;
    CubemapTexture* cubemap = nullptr;
    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    Pipeline* pipeline = nullptr;
    Pipeline* imageToCubePipeline = nullptr;
    Pipeline* cubeToCubePipeline = nullptr;
    bool dynamic = false;
    glm::vec3 position{0.0f};
    std::vector<MappedBuffer> uniformBuffers;
    std::vector<MappedBuffer> environmentUniformBuffers;
    std::vector<MappedBuffer> cameraBuffers;
    VkDescriptorPool descriptorPool = VK_NULL_HANDLE;
    std::vector<VkDescriptorSet> descriptorSets;
    std::vector<VkDescriptorSet> environmentDescriptorSets;
};
