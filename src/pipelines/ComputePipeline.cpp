#include "pipelines/ComputePipeline.h"

#include "base/PipelineLayouts.h"
#include "timing/StartupTally.h"

#include <stdexcept>
#include <utility>

ComputePipeline::ComputePipeline(std::string compPath, BufferUtils bufferUtils, VkRenderPass renderPass,
                                 std::vector<VkDescriptorType> bindings)
    : Pipeline(bufferUtils, renderPass), bindings(std::move(bindings))
{
    // The file comes first, so a missing shader is reported before any Vulkan object exists.
    const std::vector<char> computeShaderCode = readFile(compPath);
    VkShaderModule computeShaderModule = createShaderModule(computeShaderCode);
    try {
        createDescriptorSetLayout();

        VkPipelineShaderStageCreateInfo computeShaderStageInfo{};
        computeShaderStageInfo.sType = VK_STRUCTURE_TYPE_PIPELINE_SHADER_STAGE_CREATE_INFO;
        computeShaderStageInfo.stage = VK_SHADER_STAGE_COMPUTE_BIT;
        computeShaderStageInfo.module = computeShaderModule;
        computeShaderStageInfo.pName = "main";

        pipelineLayout =
            makePipelineLayout(device, descriptorSetLayout, {}, "failed to create compute pipeline layout!");

        VkComputePipelineCreateInfo pipelineInfo{};
        pipelineInfo.sType = VK_STRUCTURE_TYPE_COMPUTE_PIPELINE_CREATE_INFO;
        pipelineInfo.layout = pipelineLayout;
        pipelineInfo.stage = computeShaderStageInfo;
        VkPipeline computePipeline;
        StartupTimer timer(StartupCost::Pipelines);
        if (vkCreateComputePipelines(device, VK_NULL_HANDLE, 1, &pipelineInfo, nullptr, &computePipeline) !=
            VK_SUCCESS) {
            throw std::runtime_error("failed to create compute pipeline!");
        }
        pipeline = computePipeline;
    } catch (...) {
        // The constructor is about to throw, so no cleanup() would ever reach these.
        vkDestroyShaderModule(device, computeShaderModule, nullptr);
        cleanup();
        throw;
    }
    vkDestroyShaderModule(device, computeShaderModule, nullptr);
}

void ComputePipeline::createDescriptorSetLayout()
{
    std::vector<VkDescriptorSetLayoutBinding> layoutBindings;
    for (uint32_t binding = 0; binding < bindings.size(); binding++) {
        layoutBindings.push_back(layoutBinding(binding, bindings[binding], VK_SHADER_STAGE_COMPUTE_BIT));
    }
    descriptorSetLayout =
        makeDescriptorSetLayout(device, layoutBindings, "failed to create compute descriptor set layout!");
}

std::vector<VkDescriptorType> ComputePipeline::particleStepBindings()
{
    return {VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER};
}
