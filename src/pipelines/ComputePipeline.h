#pragma once

#include "pipelines/Pipeline.h"

#include <string>
#include <vector>

// A compute shader whose set 0 holds the given descriptors at bindings 0, 1, ...; no push
// constants. The particle step reads its parameters and the previous frame's particles and writes
// the current frame's (particleStepBindings).
class ComputePipeline : public Pipeline {
public:
    ComputePipeline() = default;
    // renderPass is kept only because every pipeline carries one; compute never uses it.
    ComputePipeline(std::string compPath, BufferUtils bufferUtils, VkRenderPass renderPass,
                    std::vector<VkDescriptorType> bindings);

    void createDescriptorSetLayout() override;

    static std::vector<VkDescriptorType> particleStepBindings();

private:
    std::vector<VkDescriptorType> bindings;
};
