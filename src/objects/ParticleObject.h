#pragma once

#include "objects/DustViews.h"
#include "objects/Object.h"
#include "objects/ParticleSystem.h"
#include "scene/UniformRecords.h"
#include "scene/ViewPass.h"

#include <array>

// The particle system as a scene object. Its base uniform buffers and sets
// serve the compute step; two more of each serve the drawing, one per view.
class ParticleObject : public Object {
public:
    ParticleObject() = default;
    ParticleObject(BufferUtils bufferUtils, Pipeline* computePipeline, Model* model, glm::vec3 position,
                   ParticleSystem* particleSystem, Pipeline* drawPipeline, bool isCameraTarget);

    // Fills the compute record and the camera's drawing record of the frame,
    // before its compute step is submitted.
    void update(float time, float deltaTime, uint32_t currentFrame, Camera* camera) override;
    // Fills only the environment's drawing record: by the time a pass is drawn,
    // the frame's compute step may be reading its compute record.
    void updateWithViewProj(float time, float deltaTime, uint32_t currentFrame, glm::mat4 view,
                            glm::mat4 proj) override;
    void cleanup() override;

    void setCubemapPipeline(Pipeline* cubemapPipeline) { cubemapDrawPipeline = cubemapPipeline; }
    // The views' lists of the particles they may see are made with this pipeline (dust_views.comp).
    void setListPipeline(const Pipeline* listPipeline);
    const DustViews& getDustViews() const { return dustViews; }

    VkPipeline getDrawPipeline() const { return drawPipeline->getPipeline(); }
    VkPipelineLayout getDrawPipelineLayout() const { return drawPipeline->getPipelineLayout(); }
    VkPipeline getCubemapPipeline() const;
    VkPipelineLayout getCubemapPipelineLayout() const;
    VkDescriptorSet getDrawDescriptorSet(uint32_t frameIndex, ViewPass pass) const;
    int getParticleCount() const { return particleSystem->getParticleCount(); }
    std::vector<VkBuffer> getStorageBuffers() const { return particleSystem->getStorageBuffers(); }
    uint32_t getCarrierCount() const { return particleSystem->getCarrierCount(); }

    // Bindings 0 to 2 of the compute set of a frame: its uniforms, the state it
    // reads (written in the other frame slot) and the state it writes.
    std::array<VkDescriptorBufferInfo, 3> computeBufferInfos(uint32_t frameIndex) const;
    const void* getMappedDrawUniformBuffer(uint32_t frameIndex, ViewPass pass = ViewPass::Camera) const;
    // What the last update wrote for the drawing in a view, kept on the host so that a recording
    // can tell whether the view sees the dust.
    const UniformBufferObject& getDrawUniforms(ViewPass pass = ViewPass::Camera) const;

private:
    void createUniformBuffers();
    void createDescriptorPool();
    void createDescriptorSets();
    void createDrawUniformBuffers();
    void createDrawDescriptorPool();
    void createDrawDescriptorSets();
    void writeComputeRecord(uint32_t currentFrame, float deltaTime, const glm::mat4& view, const glm::mat4& proj);
    void writeDrawRecord(uint32_t currentFrame, ViewPass pass, const glm::mat4& view, const glm::mat4& proj);

    ParticleSystem* particleSystem = nullptr;
    Pipeline* drawPipeline = nullptr;
    Pipeline* cubemapDrawPipeline = nullptr;
    std::vector<MappedBuffer> drawUniformBuffers;
    std::vector<MappedBuffer> environmentDrawUniformBuffers;
    VkDescriptorPool drawDescriptorPool = VK_NULL_HANDLE;
    std::vector<VkDescriptorSet> drawDescriptorSets;
    std::vector<VkDescriptorSet> environmentDrawDescriptorSets;
    UniformBufferObject drawUniforms;
    UniformBufferObject environmentDrawUniforms;
    DustViews dustViews;
};
