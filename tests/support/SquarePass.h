#pragma once

#include <vulkan/vulkan.h>

#include <vector>

// Begins `renderPass` on the whole of a square `target`, `extent` pixels a side,
// clearing its attachments to `clearValues`.
void beginSquarePass(VkCommandBuffer commandBuffer, VkRenderPass renderPass, VkFramebuffer target, uint32_t extent,
                     const std::vector<VkClearValue>& clearValues);
