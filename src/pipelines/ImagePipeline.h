#pragma once

#include "pipelines/GraphicsPipeline.h"

#include <string>

// Textured, normal-mapped meshes, opaque, written to every colour attachment.
class ImagePipeline : public GraphicsPipeline {
public:
    ImagePipeline() = default;
    ImagePipeline(std::string vertPath, std::string fragPath, BufferUtils bufferUtils, VkRenderPass renderPass,
                  int colorAttachmentCount);

    void createDescriptorSetLayout() override;
};
