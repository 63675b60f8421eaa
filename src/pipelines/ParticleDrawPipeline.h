#pragma once

#include "pipelines/GraphicsPipeline.h"

#include <string>

// Particles drawn as points and expanded to quads by a geometry shader,
// alpha-blended into the first colour attachment.
class ParticleDrawPipeline : public GraphicsPipeline {
public:
    ParticleDrawPipeline() = default;
    ParticleDrawPipeline(std::string vertPath, std::string fragPath, std::string geomPath, BufferUtils bufferUtils,
                         VkRenderPass renderPass, int colorAttachmentCount);

    void createDescriptorSetLayout() override;
};
