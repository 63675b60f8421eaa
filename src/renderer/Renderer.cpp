#include "renderer/Renderer.h"

#include "base/DebugMessenger.h"

void Renderer::initVulkan()
{
    createInstance();
    if (settings.validation) {
        setupDebugMessenger();
    }
    if (window != nullptr) {
        createSurface();
    }
    pickPhysicalDevice();
    createLogicalDevice();
    createFrameTarget();
    createRenderPass();
    createDeferredRenderPass();
    createCommandPool();
    createDepthResources();
    createFramebuffers();
    createCommandBuffers();
    createSyncObjects();
}

void Renderer::waitIdle()
{
    vkDeviceWaitIdle(device);
}

void Renderer::cleanup()
{
    cleanupSwapChain();

    vkDestroyRenderPass(device, renderPass, nullptr);
    vkDestroyRenderPass(device, cubemapRenderPass, nullptr);
    vkDestroyRenderPass(device, stillFacesRenderPass, nullptr);
    vkDestroyRenderPass(device, deferredRenderPass, nullptr);

    destroyRenderFinishedSemaphores();
    for (const FrameSlot& slot : frames) {
        for (VkSemaphore semaphore : {slot.imageAvailable, slot.computeFinished, slot.envFinished, slot.defFinished}) {
            vkDestroySemaphore(device, semaphore, nullptr);
        }
        vkDestroyFence(device, slot.inFlight, nullptr);
    }
    vkDestroyCommandPool(device, commandPool, nullptr);
    vkDestroyDevice(device, nullptr);

    if (settings.validation) {
        destroyDebugUtilsMessenger(instance, debugMessenger);
    }
    if (window != nullptr) {
        vkDestroySurfaceKHR(instance, surface, nullptr);
    }
    vkDestroyInstance(instance, nullptr);

    if (window != nullptr) {
        glfwDestroyWindow(window);
        glfwTerminate();
    }
}

uint32_t Renderer::getGraphicsFamily() const
{
    return findQueueFamilies(physicalDevice).graphicsFamily.value();
}
