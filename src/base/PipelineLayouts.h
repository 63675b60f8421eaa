#pragma once

#include <vulkan/vulkan.h>

#include <vector>

// One binding of descriptor set 0: a single descriptor, no immutable samplers.
VkDescriptorSetLayoutBinding layoutBinding(uint32_t binding, VkDescriptorType type, VkShaderStageFlags stageFlags);

VkDescriptorSetLayout makeDescriptorSetLayout(VkDevice device,
                                              const std::vector<VkDescriptorSetLayoutBinding>& layoutBindings,
                                              const char* failureMessage);

// A layout over the one set layout, with the given push-constant ranges (none or one).
VkPipelineLayout makePipelineLayout(VkDevice device, VkDescriptorSetLayout descriptorSetLayout,
                                    const std::vector<VkPushConstantRange>& pushConstantRanges,
                                    const char* failureMessage);
