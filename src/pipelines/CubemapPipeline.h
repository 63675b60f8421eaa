#pragma once

#include "pipelines/GraphicsPipeline.h"

#include <string>

// Cubes textured with a cubemap by direction: the sky, and the sky redrawn into the environment cube.
// Depth is tested but not written, so the sky stays behind everything.
class CubemapPipeline : public GraphicsPipeline {
public:
    CubemapPipeline() = default;
    CubemapPipeline(std::string vertPath, std::string fragPath, BufferUtils bufferUtils, VkRenderPass renderPass,
                    int colorAttachmentCount);

    void createDescriptorSetLayout() override;
};
