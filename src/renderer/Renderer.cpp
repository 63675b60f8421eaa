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
    createComputeCommandBuffers();
    createCubemapCommandBuffers();
    createSyncObjects();
}

void Renderer::waitIdle()
{
    vkDeviceWaitIdle(device);
}

void Renderer::waitForCurrentFrame()
{
    vkWaitForFences(device, 1, &inFlightFences[currentFrame], VK_TRUE, UINT64_MAX);
}

void Renderer::cleanup()
{
    cleanupSwapChain();

    vkDestroyRenderPass(device, renderPass, nullptr);
    vkDestroyRenderPass(device, cubemapRenderPass, nullptr);
    vkDestroyRenderPass(device, deferredRenderPass, nullptr);

    destroyRenderFinishedSemaphores();
    for (size_t i = 0; i < MAX_FRAMES_IN_FLIGHT; i++) {
        vkDestroySemaphore(device, imageAvailableSemaphores[i], nullptr);
        vkDestroySemaphore(device, computeFinishedSemaphores[i], nullptr);
        vkDestroySemaphore(device, envFinishedSemaphores[i], nullptr);
        vkDestroySemaphore(device, defFinishedSemaphores[i], nullptr);
        vkDestroyFence(device, inFlightFences[i], nullptr);
        vkDestroyFence(device, computeInFlightFences[i], nullptr);
        vkDestroyFence(device, envInFlightFences[i], nullptr);
        vkDestroyFence(device, defInFlightFences[i], nullptr);
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
