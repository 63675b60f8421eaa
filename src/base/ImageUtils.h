#pragma once

#include "base/BufferUtils.h"

#include <vector>

// The image helpers every texture class shares. They differ between the classes
// only in the parameters: plain 2D images have one layer and no flags, cubes
// six layers and the cube-compatible flag.

struct ImageShape {
    uint32_t width;
    uint32_t height;
    uint32_t layerCount;
    VkImageCreateFlags flags;
};

void createImage(const BufferUtils& bufferUtils, const ImageShape& shape, VkFormat format, VkImageTiling tiling,
                 VkImageUsageFlags usage, VkMemoryPropertyFlags properties, VkImage& image,
                 VkDeviceMemory& imageMemory);

// Supports exactly the two steps of an upload: UNDEFINED to TRANSFER_DST_OPTIMAL
// and TRANSFER_DST_OPTIMAL to SHADER_READ_ONLY_OPTIMAL. Returns once the GPU has
// executed the barrier.
void transitionImageLayout(const BufferUtils& bufferUtils, VkImage image, VkImageAspectFlags aspectMask,
                           uint32_t layerCount, VkImageLayout oldLayout, VkImageLayout newLayout);

// Both transitions in a row with a clear between them, for images whose
// contents are rendered later but which must already be sampleable.
void makeShaderReadable(const BufferUtils& bufferUtils, VkImage image, VkImageAspectFlags aspectMask,
                        uint32_t layerCount, VkClearColorValue clearColor = {{0.0f, 0.0f, 0.0f, 1.0f}});

// Creates a device-local sampled image of the given shape and fills layer i
// from layers[i] (width * height * 4 bytes each) through a staging buffer.
void uploadImage(const BufferUtils& bufferUtils, const ImageShape& shape, VkFormat format,
                 const std::vector<const unsigned char*>& layers, VkImage& image, VkDeviceMemory& imageMemory);

VkImageView createImageView(VkDevice device, VkImage image, VkImageViewType viewType, VkFormat format,
                            VkImageAspectFlags aspectMask, uint32_t baseLayer, uint32_t layerCount,
                            const char* failureMessage);

// Depth formats with a stencil component must name both aspects in barriers
// and attachment views; sampling still reads the depth aspect only.
VkImageAspectFlags depthStencilAspect(VkFormat depthFormat);
