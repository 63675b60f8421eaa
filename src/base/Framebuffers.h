#pragma once

#include <vulkan/vulkan.h>

#include <vector>

// A one-layer framebuffer of `renderPass` over `attachments`, in the order of
// the pass's attachment descriptions. Throws std::runtime_error if the device
// refuses it.
VkFramebuffer createFramebuffer(VkDevice device, VkRenderPass renderPass, const std::vector<VkImageView>& attachments,
                                uint32_t width, uint32_t height);
