#include "renderer/HiddenWindow.h"
#include "renderer/OffscreenTarget.h"
#include "renderer/Renderer.h"
#include "renderer/SwapChainTarget.h"

Renderer Renderer::offscreen(VkExtent2D extent, RendererSettings settings)
{
    Renderer renderer;
    renderer.offscreenExtent = extent;
    renderer.settings = settings;
    return renderer;
}

std::optional<VkPresentModeKHR> Renderer::getPresentMode() const
{
    if (swapChainTarget == nullptr) {
        return std::nullopt;
    }
    return swapChainTarget->presentMode();
}

void Renderer::createFrameTarget()
{
    const QueueFamilyIndices indices = findQueueFamilies(physicalDevice);
    if (window != nullptr) {
        auto target = std::make_unique<SwapChainTarget>(
            SwapChainSetting{window, surface, physicalDevice, device, presentQueue, graphicsQueue,
                             indices.graphicsFamily.value(), indices.presentFamily.value(), settings.presentMode});
        swapChainTarget = target.get();
        frameTarget = std::move(target);
    } else {
        auto target =
            std::make_unique<OffscreenTarget>(BufferUtils(device, physicalDevice, VK_NULL_HANDLE, graphicsQueue),
                                              graphicsQueue, indices.graphicsFamily.value(), offscreenExtent);
        offscreenTarget = target.get();
        frameTarget = std::move(target);
    }
    frameTarget->create();
}

void Renderer::recreateSwapChain()
{
    // A hidden window has no surface to draw to: wait until it comes back. A
    // close request while waiting leaves the old swap chain to the normal
    // shutdown, which the main loop reaches at once. Offscreen images are
    // always there.
    if (window != nullptr && !waitWhileHidden(window)) {
        return;
    }

    vkDeviceWaitIdle(device);
    const VkFormat previousFormat = frameTarget->format();
    cleanupSwapChain();
    frameTarget->create();
    if (frameTarget->format() != previousFormat) {
        rebuildPresentationPass();
    }
    matchRenderFinishedSemaphoresToImages();
    resizeDeferredTargets();
    createFramebuffers();
}

void Renderer::cleanupSwapChain()
{
    for (auto framebuffer : swapChainFramebuffers) {
        vkDestroyFramebuffer(device, framebuffer, nullptr);
    }
    frameTarget->destroy();
}
