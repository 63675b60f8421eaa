#pragma once

#include "pipelines/GraphicsPipeline.h"

#include <string>

// The reflective cube, sampling the dynamic environment cube, drawn into the G-buffer.
class DynEnvironmentMapDrawPipeline : public GraphicsPipeline {
public:
    DynEnvironmentMapDrawPipeline() = default;
    DynEnvironmentMapDrawPipeline(std::string vertPath, std::string fragPath, BufferUtils bufferUtils,
                                  VkRenderPass renderPass);

    void createDescriptorSetLayout() override;
};
