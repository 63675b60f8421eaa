#pragma once

#include <vulkan/vulkan.h>

#include <cstddef>

// Copying rendered images back to the host, for the offscreen frames and for
// checks of what a pass wrote.

// Records the copy of a colour image's first layer, in TRANSFER_SRC_OPTIMAL,
// into `buffer`, and the barrier that makes the copy visible to the host once
// the submission has completed.
void recordReadBack(VkCommandBuffer commandBuffer, VkImage image, VkExtent2D extent, VkBuffer buffer);

// Copies the first `size` bytes of host-visible, host-coherent `memory` to `destination`.
void readHostVisible(VkDevice device, VkDeviceMemory memory, void* destination, size_t size);
