#include "base/FrameResources.h"

#include "base/ResultCheck.h"

#include <stdexcept>

VkDescriptorPool createFramePool(VkDevice device, const std::vector<VkDescriptorPoolSize>& poolSizes,
                                 uint32_t setsPerFrame)
{
    std::vector<VkDescriptorPoolSize> sizes = poolSizes;
    for (VkDescriptorPoolSize& size : sizes) {
        size.descriptorCount *= setsPerFrame;
    }
    VkDescriptorPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_POOL_CREATE_INFO;
    poolInfo.poolSizeCount = static_cast<uint32_t>(sizes.size());
    poolInfo.pPoolSizes = sizes.data();
    poolInfo.maxSets = MAX_FRAMES_IN_FLIGHT * setsPerFrame;

    VkDescriptorPool descriptorPool;
    checkResult(vkCreateDescriptorPool(device, &poolInfo, nullptr, &descriptorPool),
                "failed to create descriptor pool!");
    return descriptorPool;
}

std::vector<VkDescriptorSet> allocateFrameSets(VkDevice device, VkDescriptorPool descriptorPool,
                                               VkDescriptorSetLayout layout)
{
    std::vector<VkDescriptorSetLayout> layouts(MAX_FRAMES_IN_FLIGHT, layout);
    VkDescriptorSetAllocateInfo allocInfo{};
    allocInfo.sType = VK_STRUCTURE_TYPE_DESCRIPTOR_SET_ALLOCATE_INFO;
    allocInfo.descriptorPool = descriptorPool;
    allocInfo.descriptorSetCount = static_cast<uint32_t>(layouts.size());
    allocInfo.pSetLayouts = layouts.data();

    std::vector<VkDescriptorSet> descriptorSets(MAX_FRAMES_IN_FLIGHT);
    checkResult(vkAllocateDescriptorSets(device, &allocInfo, descriptorSets.data()),
                "failed to allocate descriptor sets!");
    return descriptorSets;
}

VkWriteDescriptorSet bufferWrite(VkDescriptorSet descriptorSet, uint32_t binding, VkDescriptorType type,
                                 const VkDescriptorBufferInfo& bufferInfo)
{
    VkWriteDescriptorSet descriptorWrite{};
    descriptorWrite.sType = VK_STRUCTURE_TYPE_WRITE_DESCRIPTOR_SET;
    descriptorWrite.dstSet = descriptorSet;
    descriptorWrite.dstBinding = binding;
    descriptorWrite.dstArrayElement = 0;
    descriptorWrite.descriptorType = type;
    descriptorWrite.descriptorCount = 1;
    descriptorWrite.pBufferInfo = &bufferInfo;
    return descriptorWrite;
}

VkWriteDescriptorSet samplerWrite(VkDescriptorSet descriptorSet, uint32_t binding,
                                  const VkDescriptorImageInfo& imageInfo)
{
    VkWriteDescriptorSet descriptorWrite{};
    descriptorWrite.sType = VK_STRUCTURE_TYPE_WRITE_DESCRIPTOR_SET;
    descriptorWrite.dstSet = descriptorSet;
    descriptorWrite.dstBinding = binding;
    descriptorWrite.dstArrayElement = 0;
    descriptorWrite.descriptorType = VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER;
    descriptorWrite.descriptorCount = 1;
    descriptorWrite.pImageInfo = &imageInfo;
    return descriptorWrite;
}

VkDescriptorBufferInfo wholeRange(VkBuffer buffer, VkDeviceSize range)
{
    VkDescriptorBufferInfo bufferInfo{};
    bufferInfo.buffer = buffer;
    bufferInfo.offset = 0;
    bufferInfo.range = range;
    return bufferInfo;
}

VkDescriptorImageInfo sampledImage(VkImageView imageView, VkSampler sampler)
{
    VkDescriptorImageInfo imageInfo{};
    imageInfo.imageLayout = VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL;
    imageInfo.imageView = imageView;
    imageInfo.sampler = sampler;
    return imageInfo;
}
