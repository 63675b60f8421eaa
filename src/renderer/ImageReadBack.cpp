#include "renderer/ImageReadBack.h"

#include "base/ReadBack.h"
#include "base/ResultCheck.h"

#include <utility>

namespace {

constexpr const char* creationFailure = "failed to create the read-back objects!";

bool isBgra(VkFormat format)
{
    return format == VK_FORMAT_B8G8R8A8_SRGB || format == VK_FORMAT_B8G8R8A8_UNORM;
}

bool isRgba(VkFormat format)
{
    return format == VK_FORMAT_R8G8B8A8_SRGB || format == VK_FORMAT_R8G8B8A8_UNORM;
}

void transition(VkCommandBuffer commandBuffer, VkImage image, VkImageLayout from, VkImageLayout to)
{
    VkImageMemoryBarrier barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
    barrier.oldLayout = from;
    barrier.newLayout = to;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image;
    barrier.subresourceRange = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, 0, 1};
    barrier.dstAccessMask = to == VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL ? VK_ACCESS_TRANSFER_READ_BIT : 0;
    // The semaphore wait at the transfer stage already made the frame's writes
    // visible; these only order the layout changes around the copy.
    vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_TRANSFER_BIT,
                         to == VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL ? VK_PIPELINE_STAGE_TRANSFER_BIT
                                                                    : VK_PIPELINE_STAGE_BOTTOM_OF_PIPE_BIT,
                         0, 0, nullptr, 0, nullptr, 1, &barrier);
}

} // namespace

bool isReadableFormat(VkFormat format)
{
    return isBgra(format) || isRgba(format);
}

ImageReadBack::ImageReadBack(const BufferUtils& bufferUtils, uint32_t queueFamily, VkExtent2D extent)
    : bufferUtils(bufferUtils), extent(extent)
{
    const VkDevice device = bufferUtils.getDevice();
    VkCommandPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO;
    poolInfo.flags = VK_COMMAND_POOL_CREATE_RESET_COMMAND_BUFFER_BIT;
    poolInfo.queueFamilyIndex = queueFamily;
    checkResult(vkCreateCommandPool(device, &poolInfo, nullptr, &commandPool), creationFailure);
    VkCommandBufferAllocateInfo allocInfo{};
    allocInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO;
    allocInfo.commandPool = commandPool;
    allocInfo.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
    allocInfo.commandBufferCount = 1;
    checkResult(vkAllocateCommandBuffers(device, &allocInfo, &commands), creationFailure);
    VkFenceCreateInfo fenceInfo{};
    fenceInfo.sType = VK_STRUCTURE_TYPE_FENCE_CREATE_INFO;
    checkResult(vkCreateFence(device, &fenceInfo, nullptr, &fence), creationFailure);

    const VkDeviceSize size = VkDeviceSize{extent.width} * extent.height * 4;
    bufferUtils.createBuffer(size, VK_BUFFER_USAGE_TRANSFER_DST_BIT,
                             VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT, buffer,
                             memory);
}

FramePixels ImageReadBack::copy(VkQueue queue, VkImage image, VkImageLayout layout, VkFormat format, VkSemaphore wait,
                                VkSemaphore signal)
{
    record(image, layout);
    const VkPipelineStageFlags waitStage = VK_PIPELINE_STAGE_TRANSFER_BIT;
    VkSubmitInfo submitInfo{};
    submitInfo.sType = VK_STRUCTURE_TYPE_SUBMIT_INFO;
    submitInfo.waitSemaphoreCount = wait != VK_NULL_HANDLE ? 1 : 0;
    submitInfo.pWaitSemaphores = &wait;
    submitInfo.pWaitDstStageMask = &waitStage;
    submitInfo.commandBufferCount = 1;
    submitInfo.pCommandBuffers = &commands;
    submitInfo.signalSemaphoreCount = signal != VK_NULL_HANDLE ? 1 : 0;
    submitInfo.pSignalSemaphores = &signal;
    checkResult(vkQueueSubmit(queue, 1, &submitInfo, fence), "failed to submit the read-back!");
    vkWaitForFences(bufferUtils.getDevice(), 1, &fence, VK_TRUE, UINT64_MAX);
    vkResetFences(bufferUtils.getDevice(), 1, &fence);
    return pixels(format);
}

void ImageReadBack::record(VkImage image, VkImageLayout layout) const
{
    vkResetCommandBuffer(commands, 0);
    VkCommandBufferBeginInfo beginInfo{};
    beginInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_BEGIN_INFO;
    beginInfo.flags = VK_COMMAND_BUFFER_USAGE_ONE_TIME_SUBMIT_BIT;
    vkBeginCommandBuffer(commands, &beginInfo);
    const bool moves = layout != VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL;
    if (moves) {
        transition(commands, image, layout, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL);
    }
    recordReadBack(commands, image, extent, buffer);
    if (moves) {
        transition(commands, image, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, layout);
    }
    checkResult(vkEndCommandBuffer(commands), "failed to record the read-back!");
}

FramePixels ImageReadBack::pixels(VkFormat format) const
{
    const size_t size = size_t{extent.width} * extent.height * 4;
    FramePixels frame{extent.width, extent.height, std::vector<uint8_t>(size)};
    readHostVisible(bufferUtils.getDevice(), memory, frame.rgba.data(), size);
    if (isBgra(format)) {
        for (size_t i = 0; i < size; i += 4) {
            std::swap(frame.rgba[i], frame.rgba[i + 2]);
        }
    }
    return frame;
}

void ImageReadBack::destroy()
{
    if (commandPool == VK_NULL_HANDLE) {
        return;
    }
    const VkDevice device = bufferUtils.getDevice();
    vkDestroyBuffer(device, buffer, nullptr);
    vkFreeMemory(device, memory, nullptr);
    vkDestroyFence(device, fence, nullptr);
    vkDestroyCommandPool(device, commandPool, nullptr);
    *this = ImageReadBack();
}
