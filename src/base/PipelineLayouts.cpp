#include "base/PipelineLayouts.h"

#include "base/ResultCheck.h"

#include <stdexcept>

VkDescriptorSetLayoutBinding layoutBinding(uint32_t binding, VkDescriptorType type, VkShaderStageFlags stageFlags)
{
    VkDescriptorSetLayoutBinding layoutBinding{};
    layoutBinding.binding = binding;
    layoutBinding.descriptorType = type;
    layoutBinding.descriptorCount = 1;
    layoutBinding.stageFlags = stageFlags;
    layoutBinding.pImmutableSamplers = nullptr;
    return layoutBinding;
}

VkDescriptorSetLayout makeDescriptorSetLayout(VkDevice device,
                                              const std::vector<VkDescriptorSetLayoutBinding>& layoutBindings,
                                              const char* failureMessage)
{
    VkDescriptorSetLayoutCreateInfo layoutInfo{};
    layoutInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_SET_LAYOUT_CREATE_INFO;
    layoutInfo.bindingCount = static_cast<uint32_t>(layoutBindings.size());
    layoutInfo.pBindings = layoutBindings.data();

    VkDescriptorSetLayout descriptorSetLayout;
    checkResult(vkCreateDescriptorSetLayout(device, &layoutInfo, nullptr, &descriptorSetLayout), failureMessage);
    return descriptorSetLayout;
}

VkPipelineLayout makePipelineLayout(VkDevice device, VkDescriptorSetLayout descriptorSetLayout,
                                    const std::vector<VkPushConstantRange>& pushConstantRanges,
                                    const char* failureMessage)
{
    VkPipelineLayoutCreateInfo pipelineLayoutInfo{};
    pipelineLayoutInfo.sType = VK_STRUCTURE_TYPE_PIPELINE_LAYOUT_CREATE_INFO;
    pipelineLayoutInfo.setLayoutCount = 1;
    pipelineLayoutInfo.pSetLayouts = &descriptorSetLayout;
    pipelineLayoutInfo.pushConstantRangeCount = static_cast<uint32_t>(pushConstantRanges.size());
    pipelineLayoutInfo.pPushConstantRanges = pushConstantRanges.data();

    VkPipelineLayout pipelineLayout;
    checkResult(vkCreatePipelineLayout(device, &pipelineLayoutInfo, nullptr, &pipelineLayout), failureMessage);
    return pipelineLayout;
}
