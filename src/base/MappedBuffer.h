#pragma once

#include "base/BufferUtils.h"

#include <vulkan/vulkan.h>

#include <vector>

// A host-visible, host-coherent buffer that stays mapped for its whole life,
// so a per-frame update is a plain copy into `mapped`.
struct MappedBuffer {
    VkBuffer buffer = VK_NULL_HANDLE;
    VkDeviceMemory memory = VK_NULL_HANDLE;
    void* mapped = nullptr;
};

// One uniform buffer of `bufferSize` bytes per frame in flight.
std::vector<MappedBuffer> createMappedUniformBuffers(const BufferUtils& bufferUtils, VkDeviceSize bufferSize);

// Destroys the buffers and frees their memory, which Vulkan allows while mapped.
void destroyMappedBuffers(VkDevice device, const std::vector<MappedBuffer>& buffers);
