#pragma once

#include "pipelines/GraphicsPipeline.h"

#include <string>

// The full-screen lighting pass over the G-buffer, into the swap-chain image.
class RenderDefferedPipeline : public GraphicsPipeline {
public:
    RenderDefferedPipeline() = default;
    RenderDefferedPipeline(std::string vertPath, std::string fragPath, BufferUtils bufferUtils,
                           VkRenderPass renderPass);

    void createDescriptorSetLayout() override;
};
