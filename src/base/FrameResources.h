#pragma once

#include "constants/FramesInFlight.h"
#include "base/BufferUtils.h"
#include "base/MappedBuffer.h"

#include <vector>

// The per-frame-in-flight resources every drawn object owns: persistently
// mapped uniform buffers, one descriptor pool and one descriptor set per frame.

// A pool for one set per frame with the given descriptor counts, or for `setsPerFrame` such
// sets per frame.
VkDescriptorPool createFramePool(VkDevice device, const std::vector<VkDescriptorPoolSize>& poolSizes,
                                 uint32_t setsPerFrame = 1);

// One set per frame, all with the same layout.
std::vector<VkDescriptorSet> allocateFrameSets(VkDevice device, VkDescriptorPool descriptorPool,
                                               VkDescriptorSetLayout layout);

// One-descriptor writes at array element 0; the infos must outlive the update call.
VkWriteDescriptorSet bufferWrite(VkDescriptorSet descriptorSet, uint32_t binding, VkDescriptorType type,
                                 const VkDescriptorBufferInfo& bufferInfo);
VkWriteDescriptorSet samplerWrite(VkDescriptorSet descriptorSet, uint32_t binding,
                                  const VkDescriptorImageInfo& imageInfo);

// A whole buffer range starting at offset 0.
VkDescriptorBufferInfo wholeRange(VkBuffer buffer, VkDeviceSize range);
// An image that shaders sample in its read-only layout.
VkDescriptorImageInfo sampledImage(VkImageView imageView, VkSampler sampler);
