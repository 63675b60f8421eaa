#include "renderer/Renderer.h"

#include "base/ResultCheck.h"

#include <stdexcept>

void Renderer::createCommandPool()
{
    QueueFamilyIndices queueFamilyIndices = findQueueFamilies(physicalDevice);
    VkCommandPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO;
    poolInfo.flags = VK_COMMAND_POOL_CREATE_RESET_COMMAND_BUFFER_BIT;
    poolInfo.queueFamilyIndex = queueFamilyIndices.graphicsFamily.value();
    checkResult(vkCreateCommandPool(device, &poolInfo, nullptr, &commandPool),
                "failed to create graphics command pool!");
}

VkCommandBuffer Renderer::allocateCommandBuffer(const char* failureMessage) const
{
    VkCommandBufferAllocateInfo allocInfo{};
    allocInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO;
    allocInfo.commandPool = commandPool;
    allocInfo.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
    allocInfo.commandBufferCount = 1;
    VkCommandBuffer commandBuffer = VK_NULL_HANDLE;
    checkResult(vkAllocateCommandBuffers(device, &allocInfo, &commandBuffer), failureMessage);
    return commandBuffer;
}

void Renderer::createCommandBuffers()
{
    for (FrameSlot& slot : frames) {
        slot.drawCommands = allocateCommandBuffer("failed to allocate command buffers!");
        slot.gBufferCommands = allocateCommandBuffer("failed to allocate command buffers!");
    }
    for (FrameSlot& slot : frames) {
        slot.computeCommands = allocateCommandBuffer("failed to allocate compute command buffers!");
    }
    for (FrameSlot& slot : frames) {
        slot.cubemapCommands = allocateCommandBuffer("failed to allocate command buffers!");
    }
}

void Renderer::createSyncObjects()
{
    VkSemaphoreCreateInfo semaphoreInfo{};
    semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
    VkFenceCreateInfo fenceInfo{};
    fenceInfo.sType = VK_STRUCTURE_TYPE_FENCE_CREATE_INFO;
    fenceInfo.flags = VK_FENCE_CREATE_SIGNALED_BIT;

    auto createSemaphore = [&](VkSemaphore& semaphore, const char* failureMessage) {
        checkResult(vkCreateSemaphore(device, &semaphoreInfo, nullptr, &semaphore), failureMessage);
    };
    for (FrameSlot& slot : frames) {
        const char* graphicsFailure = "failed to create graphics synchronization objects for a frame!";
        createSemaphore(slot.imageAvailable, graphicsFailure);
        checkResult(vkCreateFence(device, &fenceInfo, nullptr, &slot.inFlight), graphicsFailure);
        createSemaphore(slot.computeFinished, "failed to create compute synchronization objects for a frame!");
        createSemaphore(slot.envFinished, "failed to create cubemap synchronization objects for a frame!");
        createSemaphore(slot.defFinished, "failed to create cubemap synchronization objects for a frame!");
    }
    matchRenderFinishedSemaphoresToImages();
}

// The presentation engine holds the semaphore a present waits on until that
// image comes back, which no fence of ours reports; the next submission that
// signals it is the one that renders into the same image again, after that
// image has been acquired anew.
void Renderer::matchRenderFinishedSemaphoresToImages()
{
    if (renderFinishedSemaphores.size() == frameTarget->imageViews().size()) {
        return;
    }
    destroyRenderFinishedSemaphores();
    VkSemaphoreCreateInfo semaphoreInfo{};
    semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
    renderFinishedSemaphores.resize(frameTarget->imageViews().size());
    for (VkSemaphore& semaphore : renderFinishedSemaphores) {
        checkResult(vkCreateSemaphore(device, &semaphoreInfo, nullptr, &semaphore),
                    "failed to create graphics synchronization objects for a frame!");
    }
}

void Renderer::destroyRenderFinishedSemaphores()
{
    for (VkSemaphore semaphore : renderFinishedSemaphores) {
        vkDestroySemaphore(device, semaphore, nullptr);
    }
    renderFinishedSemaphores.clear();
}

void Renderer::resetDefFinishedSemaphore(uint32_t frame)
{
    // The G-buffer submission signalled it, but the presentation pass that would
    // have waited on it never ran; a signalled binary semaphore must not be
    // signalled again, so replace it with a fresh, unsignalled one once the
    // queue no longer refers to it.
    vkQueueWaitIdle(graphicsQueue);
    vkDestroySemaphore(device, frames[frame].defFinished, nullptr);
    VkSemaphoreCreateInfo semaphoreInfo{};
    semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
    checkResult(vkCreateSemaphore(device, &semaphoreInfo, nullptr, &frames[frame].defFinished),
                "failed to create cubemap synchronization objects for a frame!");
}
