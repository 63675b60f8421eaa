#include "base/ImageUtils.h"

#include "base/ResultCheck.h"

#include "base/StagingBuffer.h"

#include <stdexcept>

void createImage(const BufferUtils& bufferUtils, const ImageShape& shape, VkFormat format, VkImageTiling tiling,
                 VkImageUsageFlags usage, VkMemoryPropertyFlags properties, VkImage& image, VkDeviceMemory& imageMemory)
{
    const VkDevice device = bufferUtils.getDevice();

    VkImageCreateInfo imageInfo{};
    imageInfo.sType = VK_STRUCTURE_TYPE_IMAGE_CREATE_INFO;
    imageInfo.flags = shape.flags;
    imageInfo.imageType = VK_IMAGE_TYPE_2D;
    imageInfo.extent = {shape.width, shape.height, 1};
    imageInfo.mipLevels = 1;
    imageInfo.arrayLayers = shape.layerCount;
    imageInfo.format = format;
    imageInfo.tiling = tiling;
    imageInfo.initialLayout = VK_IMAGE_LAYOUT_UNDEFINED;
    imageInfo.usage = usage;
    imageInfo.samples = VK_SAMPLE_COUNT_1_BIT;
    imageInfo.sharingMode = VK_SHARING_MODE_EXCLUSIVE;
    checkResult(vkCreateImage(device, &imageInfo, nullptr, &image), "failed to create image!");

    VkMemoryRequirements memRequirements;
    vkGetImageMemoryRequirements(device, image, &memRequirements);

    VkMemoryAllocateInfo allocInfo{};
    allocInfo.sType = VK_STRUCTURE_TYPE_MEMORY_ALLOCATE_INFO;
    allocInfo.allocationSize = memRequirements.size;
    allocInfo.memoryTypeIndex = bufferUtils.findMemoryType(memRequirements.memoryTypeBits, properties);
    checkResult(vkAllocateMemory(device, &allocInfo, nullptr, &imageMemory), "failed to allocate image memory!");
    vkBindImageMemory(device, image, imageMemory, 0);
}

void transitionImageLayout(const BufferUtils& bufferUtils, VkImage image, VkImageAspectFlags aspectMask,
                           uint32_t layerCount, VkImageLayout oldLayout, VkImageLayout newLayout)
{
    VkImageMemoryBarrier barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
    barrier.oldLayout = oldLayout;
    barrier.newLayout = newLayout;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image;
    barrier.subresourceRange = {aspectMask, 0, 1, 0, layerCount};

    VkPipelineStageFlags sourceStage;
    VkPipelineStageFlags destinationStage;
    if (oldLayout == VK_IMAGE_LAYOUT_UNDEFINED && newLayout == VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL) {
        barrier.srcAccessMask = 0;
        barrier.dstAccessMask = VK_ACCESS_TRANSFER_WRITE_BIT;
        sourceStage = VK_PIPELINE_STAGE_TOP_OF_PIPE_BIT;
        destinationStage = VK_PIPELINE_STAGE_TRANSFER_BIT;
    } else if (oldLayout == VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL &&
               newLayout == VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL) {
        barrier.srcAccessMask = VK_ACCESS_TRANSFER_WRITE_BIT;
        barrier.dstAccessMask = VK_ACCESS_SHADER_READ_BIT;
        sourceStage = VK_PIPELINE_STAGE_TRANSFER_BIT;
        destinationStage = VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT;
    } else {
        // Rejected before a command buffer is taken from the pool, so nothing leaks.
        throw std::invalid_argument("unsupported layout transition!");
    }

    VkCommandBuffer commandBuffer = bufferUtils.beginSingleTimeCommands();
    vkCmdPipelineBarrier(commandBuffer, sourceStage, destinationStage, 0, 0, nullptr, 0, nullptr, 1, &barrier);
    bufferUtils.endSingleTimeCommands(commandBuffer);
}

// Render targets are sampled before anything has been drawn into them (the
// reflective cube samples last frame's cube on the very first frame), so they
// start from defined contents: the given colour, or the far plane for depth.
void clearImage(const BufferUtils& bufferUtils, VkImage image, VkImageAspectFlags aspectMask, uint32_t layerCount,
                VkClearColorValue clearColor)
{
    VkImageSubresourceRange range{aspectMask, 0, 1, 0, layerCount};
    VkCommandBuffer commandBuffer = bufferUtils.beginSingleTimeCommands();
    if (aspectMask & VK_IMAGE_ASPECT_COLOR_BIT) {
        vkCmdClearColorImage(commandBuffer, image, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, &clearColor, 1, &range);
    } else {
        VkClearDepthStencilValue farPlane{1.0f, 0};
        vkCmdClearDepthStencilImage(commandBuffer, image, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, &farPlane, 1, &range);
    }
    bufferUtils.endSingleTimeCommands(commandBuffer);
}

void makeShaderReadable(const BufferUtils& bufferUtils, VkImage image, VkImageAspectFlags aspectMask,
                        uint32_t layerCount, VkClearColorValue clearColor)
{
    transitionImageLayout(bufferUtils, image, aspectMask, layerCount, VK_IMAGE_LAYOUT_UNDEFINED,
                          VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL);
    clearImage(bufferUtils, image, aspectMask, layerCount, clearColor);
    transitionImageLayout(bufferUtils, image, aspectMask, layerCount, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL,
                          VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
}

void uploadImage(const BufferUtils& bufferUtils, const ImageShape& shape, VkFormat format,
                 const std::vector<const unsigned char*>& layers, VkImage& image, VkDeviceMemory& imageMemory)
{
    const VkDeviceSize layerSize = VkDeviceSize{shape.width} * shape.height * 4;
    const StagingBuffer staging(bufferUtils, std::vector<const void*>(layers.begin(), layers.end()), layerSize);

    createImage(bufferUtils, shape, format, VK_IMAGE_TILING_OPTIMAL,
                VK_IMAGE_USAGE_TRANSFER_DST_BIT | VK_IMAGE_USAGE_SAMPLED_BIT, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT,
                image, imageMemory);
    transitionImageLayout(bufferUtils, image, VK_IMAGE_ASPECT_COLOR_BIT, shape.layerCount, VK_IMAGE_LAYOUT_UNDEFINED,
                          VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL);
    bufferUtils.copyBufferToImage(staging.get(), image, shape.width, shape.height, shape.layerCount);
    transitionImageLayout(bufferUtils, image, VK_IMAGE_ASPECT_COLOR_BIT, shape.layerCount,
                          VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
}

VkImageView createImageView(VkDevice device, VkImage image, VkImageViewType viewType, VkFormat format,
                            VkImageAspectFlags aspectMask, uint32_t baseLayer, uint32_t layerCount,
                            const char* failureMessage)
{
    VkImageViewCreateInfo viewInfo{};
    viewInfo.sType = VK_STRUCTURE_TYPE_IMAGE_VIEW_CREATE_INFO;
    viewInfo.image = image;
    viewInfo.viewType = viewType;
    viewInfo.format = format;
    viewInfo.components = {VK_COMPONENT_SWIZZLE_R, VK_COMPONENT_SWIZZLE_G, VK_COMPONENT_SWIZZLE_B,
                           VK_COMPONENT_SWIZZLE_A};
    viewInfo.subresourceRange = {aspectMask, 0, 1, baseLayer, layerCount};

    VkImageView imageView;
    checkResult(vkCreateImageView(device, &viewInfo, nullptr, &imageView), failureMessage);
    return imageView;
}

VkImageAspectFlags depthStencilAspect(VkFormat depthFormat)
{
    switch (depthFormat) {
    case VK_FORMAT_D16_UNORM_S8_UINT:
    case VK_FORMAT_D24_UNORM_S8_UINT:
    case VK_FORMAT_D32_SFLOAT_S8_UINT:
        return VK_IMAGE_ASPECT_DEPTH_BIT | VK_IMAGE_ASPECT_STENCIL_BIT;
    default:
        return VK_IMAGE_ASPECT_DEPTH_BIT;
    }
}
