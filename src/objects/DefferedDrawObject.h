#pragma once

#include "scene/Light.h"
#include "objects/Object.h"
#include "pipelines/RenderDefferedPipeline.h"
#include "textures/DefferedTexture.h"

// The full-screen lighting pass: a plane that samples the G-buffer of its frame.
class DefferedDrawObject : public Object {
public:
    DefferedDrawObject() = default;
    DefferedDrawObject(BufferUtils bufferUtils, RenderDefferedPipeline* pipeline, Model* model, glm::vec3 position,
                       DefferedTexture* deferredTexture, bool isCameraTarget);

    void updateLightBuffer(float time, float deltaTime, uint32_t currentFrame, Camera* camera, Light* light);
    // Gives the G-buffer a new size and points the descriptor sets at its new
    // targets; the GPU must be idle.
    void resizeTargets(VkExtent2D extent);
    void cleanup() override;
    DefferedTexture* getDeferredTexture() const { return deferredTexture; }
    VkPipeline getPipelineFor(DisplayMode mode) const { return lightingPipeline->getPipelineFor(mode); }
    std::vector<VkPipeline> getPipelinesFor(DisplayMode mode) const { return lightingPipeline->getPipelinesFor(mode); }

private:
    void createUniformBuffers();
    void createDescriptorPool();
    void createDescriptorSets();
    void writeDescriptorSets();

    DefferedTexture* deferredTexture = nullptr;
    RenderDefferedPipeline* lightingPipeline = nullptr;
};
