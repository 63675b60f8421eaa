#pragma once

#include "pipelines/Pipeline.h"

#include <string>

// The particle simulation step. It reads the parameters and the previous
// frame's particles and writes the current frame's; no push constants.
class ComputePipeline : public Pipeline {
public:
    ComputePipeline() = default;
    // renderPass is kept only because every pipeline carries one; compute never uses it.
    ComputePipeline(std::string compPath, BufferUtils bufferUtils, VkRenderPass renderPass);

    void createDescriptorSetLayout() override;
};
