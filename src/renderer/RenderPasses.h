#pragma once

#include <vulkan/vulkan.h>

// The render passes of a frame. Each has one subpass; they differ in their
// attachments and in the external dependencies that the work around them needs.
// `finalLayout` is the layout the frame target hands its images on in.
VkRenderPass createPresentationRenderPass(VkDevice device, VkFormat colorFormat, VkImageLayout finalLayout,
                                          VkFormat depthFormat);
VkRenderPass createGBufferRenderPass(VkDevice device, VkFormat depthFormat);
// A frame's environment faces, drawn over the still faces' copy.
VkRenderPass createEnvironmentRenderPass(VkDevice device, VkFormat depthFormat);
// The still faces (StillFaces), compatible with the environment pass.
VkRenderPass createStillFacesRenderPass(VkDevice device, VkFormat depthFormat);
