#include "renderer/OffscreenTarget.h"

#include "base/ImageUtils.h"
#include "base/ResultCheck.h"

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

    imageReadBack = ImageReadBack(bufferUtils, queueFamily, imageExtent);
}

// Nothing has to be given back by a presentation engine, but the frame's
// recording waits on `imageAvailable` as it does with a swap chain: an empty
// submission signals it after everything queued before, the previous frame's
// use of this image included.
VkResult OffscreenTarget::acquire(VkSemaphore imageAvailable, uint32_t& imageIndex)
{
    imageIndex = nextImage;
    nextImage = (nextImage + 1) % imageCount;
    submit(VK_NULL_HANDLE, imageAvailable);
    return VK_SUCCESS;
}

// The render-finished semaphore is always waited on, so that the next frame
// that signals it finds it unsignalled; a read-back waits for the copy too.
VkResult OffscreenTarget::present(VkSemaphore renderFinished, uint32_t imageIndex)
{
    if (!readBackRequested) {
        submit(renderFinished, VK_NULL_HANDLE);
        return VK_SUCCESS;
    }
    readBackRequested = false;
    // The presentation pass leaves the image in TRANSFER_SRC_OPTIMAL.
    readBack = imageReadBack.copy(queue, images[imageIndex], VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, imageFormat,
                                  renderFinished, VK_NULL_HANDLE);
    return VK_SUCCESS;
}

void OffscreenTarget::submit(VkSemaphore wait, VkSemaphore signal) const
{
    const VkPipelineStageFlags waitStage = VK_PIPELINE_STAGE_ALL_COMMANDS_BIT;
    VkSubmitInfo submitInfo{};
    submitInfo.sType = VK_STRUCTURE_TYPE_SUBMIT_INFO;
    submitInfo.waitSemaphoreCount = wait != VK_NULL_HANDLE ? 1 : 0;
    submitInfo.pWaitSemaphores = &wait;
    submitInfo.pWaitDstStageMask = &waitStage;
    submitInfo.signalSemaphoreCount = signal != VK_NULL_HANDLE ? 1 : 0;
    submitInfo.pSignalSemaphores = &signal;
    checkResult(vkQueueSubmit(queue, 1, &submitInfo, VK_NULL_HANDLE), "failed to submit to the offscreen target!");
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
    imageReadBack.destroy();
}
