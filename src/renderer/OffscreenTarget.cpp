#include "renderer/OffscreenTarget.h"

#include "base/ResultCheck.h"
#include "base/ReadBack.h"

#include "base/ImageUtils.h"

#include <stdexcept>
#include <utility>

void OffscreenTarget::create()
{
    const VkDevice device = bufferUtils.getDevice();
    images.resize(imageCount);
    imageMemories.resize(imageCount);
    views.resize(imageCount);
    for (uint32_t i = 0; i < imageCount; i++) {
        createImage(bufferUtils, ImageShape{imageExtent.width, imageExtent.height, 1, 0}, imageFormat,
                    VK_IMAGE_TILING_OPTIMAL, VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT | VK_IMAGE_USAGE_TRANSFER_SRC_BIT,
                    VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, images[i], imageMemories[i]);
        views[i] = createImageView(device, images[i], VK_IMAGE_VIEW_TYPE_2D, imageFormat, VK_IMAGE_ASPECT_COLOR_BIT, 0,
                                   1, "failed to create texture image view!");
    }

    createReadBackObjects();
}

void OffscreenTarget::createReadBackObjects()
{
    const VkDevice device = bufferUtils.getDevice();
    VkCommandPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO;
    poolInfo.flags = VK_COMMAND_POOL_CREATE_RESET_COMMAND_BUFFER_BIT;
    poolInfo.queueFamilyIndex = queueFamily;
    checkResult(vkCreateCommandPool(device, &poolInfo, nullptr, &commandPool),
                "failed to create the offscreen read-back objects!");
    VkCommandBufferAllocateInfo allocInfo{};
    allocInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO;
    allocInfo.commandPool = commandPool;
    allocInfo.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
    allocInfo.commandBufferCount = 1;
    VkFenceCreateInfo fenceInfo{};
    fenceInfo.sType = VK_STRUCTURE_TYPE_FENCE_CREATE_INFO;
    checkResult(vkAllocateCommandBuffers(device, &allocInfo, &copyCommands),
                "failed to create the offscreen read-back objects!");
    checkResult(vkCreateFence(device, &fenceInfo, nullptr, &copyFence),
                "failed to create the offscreen read-back objects!");

    const VkDeviceSize size = VkDeviceSize{imageExtent.width} * imageExtent.height * 4;
    bufferUtils.createBuffer(size, VK_BUFFER_USAGE_TRANSFER_DST_BIT,
                             VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT, readBackBuffer,
                             readBackMemory);
}

// Nothing has to be given back by a presentation engine, but the frame's
// recording waits on `imageAvailable` as it does with a swap chain: an empty
// submission signals it after everything queued before, the previous frame's
// use of this image included.
VkResult OffscreenTarget::acquire(VkSemaphore imageAvailable, uint32_t& imageIndex)
{
    imageIndex = nextImage;
    nextImage = (nextImage + 1) % imageCount;
    submit(VK_NULL_HANDLE, 0, imageAvailable, VK_NULL_HANDLE, VK_NULL_HANDLE);
    return VK_SUCCESS;
}

// The render-finished semaphore is always waited on, so that the next frame
// that signals it finds it unsignalled; a read-back waits for the copy too.
VkResult OffscreenTarget::present(VkSemaphore renderFinished, uint32_t imageIndex)
{
    if (!readBackRequested) {
        submit(renderFinished, VK_PIPELINE_STAGE_ALL_COMMANDS_BIT, VK_NULL_HANDLE, VK_NULL_HANDLE, VK_NULL_HANDLE);
        return VK_SUCCESS;
    }
    readBackRequested = false;
    recordCopy(imageIndex);
    submit(renderFinished, VK_PIPELINE_STAGE_TRANSFER_BIT, VK_NULL_HANDLE, copyCommands, copyFence);
    vkWaitForFences(bufferUtils.getDevice(), 1, &copyFence, VK_TRUE, UINT64_MAX);
    vkResetFences(bufferUtils.getDevice(), 1, &copyFence);
    copyOut();
    return VK_SUCCESS;
}

void OffscreenTarget::submit(VkSemaphore wait, VkPipelineStageFlags waitStage, VkSemaphore signal,
                             VkCommandBuffer commandBuffer, VkFence fence) const
{
    VkSubmitInfo submitInfo{};
    submitInfo.sType = VK_STRUCTURE_TYPE_SUBMIT_INFO;
    submitInfo.waitSemaphoreCount = wait != VK_NULL_HANDLE ? 1 : 0;
    submitInfo.pWaitSemaphores = &wait;
    submitInfo.pWaitDstStageMask = &waitStage;
    submitInfo.commandBufferCount = commandBuffer != VK_NULL_HANDLE ? 1 : 0;
    submitInfo.pCommandBuffers = &commandBuffer;
    submitInfo.signalSemaphoreCount = signal != VK_NULL_HANDLE ? 1 : 0;
    submitInfo.pSignalSemaphores = &signal;
    checkResult(vkQueueSubmit(queue, 1, &submitInfo, fence), "failed to submit to the offscreen target!");
}

// The presentation pass leaves the image in TRANSFER_SRC_OPTIMAL, and the
// semaphore wait orders the copy after it, so no barrier is needed here.
void OffscreenTarget::recordCopy(uint32_t imageIndex) const
{
    vkResetCommandBuffer(copyCommands, 0);
    VkCommandBufferBeginInfo beginInfo{};
    beginInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_BEGIN_INFO;
    beginInfo.flags = VK_COMMAND_BUFFER_USAGE_ONE_TIME_SUBMIT_BIT;
    vkBeginCommandBuffer(copyCommands, &beginInfo);
    recordReadBack(copyCommands, images[imageIndex], imageExtent, readBackBuffer);
    checkResult(vkEndCommandBuffer(copyCommands), "failed to record the offscreen read-back!");
}

// The images are B8G8R8A8; the frame handed out is RGBA.
void OffscreenTarget::copyOut()
{
    const size_t size = size_t{imageExtent.width} * imageExtent.height * 4;
    readBack = FramePixels{imageExtent.width, imageExtent.height, std::vector<uint8_t>(size)};
    readHostVisible(bufferUtils.getDevice(), readBackMemory, readBack.rgba.data(), size);
    for (size_t i = 0; i < size; i += 4) {
        std::swap(readBack.rgba[i], readBack.rgba[i + 2]);
    }
}

void OffscreenTarget::destroy()
{
    const VkDevice device = bufferUtils.getDevice();
    for (uint32_t i = 0; i < images.size(); i++) {
        vkDestroyImageView(device, views[i], nullptr);
        vkDestroyImage(device, images[i], nullptr);
        vkFreeMemory(device, imageMemories[i], nullptr);
    }
    images.clear();
    imageMemories.clear();
    views.clear();
    vkDestroyBuffer(device, readBackBuffer, nullptr);
    vkFreeMemory(device, readBackMemory, nullptr);
    vkDestroyFence(device, copyFence, nullptr);
    vkDestroyCommandPool(device, commandPool, nullptr);
}
