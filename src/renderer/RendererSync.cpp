#include "renderer/Renderer.h"

#include <stdexcept>

void Renderer::createCommandPool()
{
    QueueFamilyIndices queueFamilyIndices = findQueueFamilies(physicalDevice);
    VkCommandPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO;
    poolInfo.flags = VK_COMMAND_POOL_CREATE_RESET_COMMAND_BUFFER_BIT;
    poolInfo.queueFamilyIndex = queueFamilyIndices.graphicsFamily.value();
    if (vkCreateCommandPool(device, &poolInfo, nullptr, &commandPool) != VK_SUCCESS) {
        throw std::runtime_error("failed to create graphics command pool!");
    }
}

std::vector<VkCommandBuffer> Renderer::allocateCommandBuffers(const char* failureMessage) const
{
    std::vector<VkCommandBuffer> buffers(MAX_FRAMES_IN_FLIGHT);
    VkCommandBufferAllocateInfo allocInfo{};
    allocInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO;
    allocInfo.commandPool = commandPool;
    allocInfo.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
    allocInfo.commandBufferCount = static_cast<uint32_t>(buffers.size());
    if (vkAllocateCommandBuffers(device, &allocInfo, buffers.data()) != VK_SUCCESS) {
        throw std::runtime_error(failureMessage);
    }
    return buffers;
}

void Renderer::createCommandBuffers()
{
    commandBuffers = allocateCommandBuffers("failed to allocate command buffers!");
}

void Renderer::createComputeCommandBuffers()
{
    computeCommandBuffers = allocateCommandBuffers("failed to allocate compute command buffers!");
}

void Renderer::createCubemapCommandBuffers()
{
    cubemapCommandBuffers = allocateCommandBuffers("failed to allocate command buffers!");
}

void Renderer::createSyncObjects()
{
    for (auto* semaphores :
         {&imageAvailableSemaphores, &computeFinishedSemaphores, &envFinishedSemaphores, &defFinishedSemaphores}) {
        semaphores->resize(MAX_FRAMES_IN_FLIGHT);
    }
    for (auto* fences : {&inFlightFences, &computeInFlightFences, &envInFlightFences, &defInFlightFences}) {
        fences->resize(MAX_FRAMES_IN_FLIGHT);
    }

    VkSemaphoreCreateInfo semaphoreInfo{};
    semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
    VkFenceCreateInfo fenceInfo{};
    fenceInfo.sType = VK_STRUCTURE_TYPE_FENCE_CREATE_INFO;
    fenceInfo.flags = VK_FENCE_CREATE_SIGNALED_BIT;

    auto createPair = [&](VkSemaphore& semaphore, VkFence& fence, const char* failureMessage) {
        if (vkCreateSemaphore(device, &semaphoreInfo, nullptr, &semaphore) != VK_SUCCESS ||
            vkCreateFence(device, &fenceInfo, nullptr, &fence) != VK_SUCCESS) {
            throw std::runtime_error(failureMessage);
        }
    };
    for (size_t i = 0; i < MAX_FRAMES_IN_FLIGHT; i++) {
        if (vkCreateSemaphore(device, &semaphoreInfo, nullptr, &imageAvailableSemaphores[i]) != VK_SUCCESS ||
            vkCreateFence(device, &fenceInfo, nullptr, &inFlightFences[i]) != VK_SUCCESS) {
            throw std::runtime_error("failed to create graphics synchronization objects for a frame!");
        }
        createPair(computeFinishedSemaphores[i], computeInFlightFences[i],
                   "failed to create compute synchronization objects for a frame!");
        createPair(envFinishedSemaphores[i], envInFlightFences[i],
                   "failed to create cubemap synchronization objects for a frame!");
        createPair(defFinishedSemaphores[i], defInFlightFences[i],
                   "failed to create cubemap synchronization objects for a frame!");
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
        if (vkCreateSemaphore(device, &semaphoreInfo, nullptr, &semaphore) != VK_SUCCESS) {
            throw std::runtime_error("failed to create graphics synchronization objects for a frame!");
        }
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
    vkDestroySemaphore(device, defFinishedSemaphores[frame], nullptr);
    VkSemaphoreCreateInfo semaphoreInfo{};
    semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
    if (vkCreateSemaphore(device, &semaphoreInfo, nullptr, &defFinishedSemaphores[frame]) != VK_SUCCESS) {
        throw std::runtime_error("failed to create cubemap synchronization objects for a frame!");
    }
}
