#pragma once

#include <vulkan/vulkan.h>

// The three render passes of a frame. Each has one subpass and the same single
// external dependency; they differ in their attachments.
// `finalLayout` is the layout the frame target hands its images on in.
VkRenderPass createPresentationRenderPass(VkDevice device, VkFormat colorFormat, VkImageLayout finalLayout,
                                          VkFormat depthFormat);
VkRenderPass createGBufferRenderPass(VkDevice device, VkFormat depthFormat);
VkRenderPass createEnvironmentRenderPass(VkDevice device, VkFormat depthFormat);
