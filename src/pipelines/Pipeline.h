#pragma once

#include "base/BufferUtils.h"

#include <string>
#include <vector>

// Owner of one pipeline, its layout and its single descriptor set layout (set 0).
// A plain value: built as a temporary, copied into its member, and released only by cleanup().
class Pipeline {
public:
    Pipeline() = default;

    virtual void createDescriptorSetLayout() {}

    VkPipeline getPipeline() const { return pipeline; }
    VkPipelineLayout getPipelineLayout() const { return pipelineLayout; }
    VkDescriptorSetLayout getDescriptorSetLayout() const { return descriptorSetLayout; }

    virtual void cleanup();

    static std::vector<char> readFile(const std::string& filename);

protected:
    Pipeline(BufferUtils bufferUtils, VkRenderPass renderPass);

    VkShaderModule createShaderModule(const std::vector<char>& code) const;

    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    VkRenderPass renderPass = VK_NULL_HANDLE;
    VkPipeline pipeline = VK_NULL_HANDLE;
    VkPipelineLayout pipelineLayout = VK_NULL_HANDLE;
    VkDescriptorSetLayout descriptorSetLayout = VK_NULL_HANDLE;
};
