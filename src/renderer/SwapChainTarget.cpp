#include "renderer/SwapChainTarget.h"

#include "base/ResultCheck.h"

#include "renderer/SwapChainChoice.h"
#include "base/ImageUtils.h"

#include <iostream>

SwapChainSupportDetails querySwapChainSupport(VkPhysicalDevice physicalDevice, VkSurfaceKHR surface)
{
    SwapChainSupportDetails details;
    vkGetPhysicalDeviceSurfaceCapabilitiesKHR(physicalDevice, surface, &details.capabilities);

    uint32_t formatCount;
    vkGetPhysicalDeviceSurfaceFormatsKHR(physicalDevice, surface, &formatCount, nullptr);
    if (formatCount != 0) {
        details.formats.resize(formatCount);
        vkGetPhysicalDeviceSurfaceFormatsKHR(physicalDevice, surface, &formatCount, details.formats.data());
    }
    uint32_t presentModeCount;
    vkGetPhysicalDeviceSurfacePresentModesKHR(physicalDevice, surface, &presentModeCount, nullptr);
    if (presentModeCount != 0) {
        details.presentModes.resize(presentModeCount);
        vkGetPhysicalDeviceSurfacePresentModesKHR(physicalDevice, surface, &presentModeCount,
                                                  details.presentModes.data());
    }
    return details;
}

namespace {

// Images drawn by one queue family and presented by another are shared by both.
void shareBetween(VkSwapchainCreateInfoKHR& createInfo, const uint32_t (&queueFamilyIndices)[2])
{
    if (queueFamilyIndices[0] != queueFamilyIndices[1]) {
        createInfo.imageSharingMode = VK_SHARING_MODE_CONCURRENT;
        createInfo.queueFamilyIndexCount = 2;
        createInfo.pQueueFamilyIndices = queueFamilyIndices;
    } else {
        createInfo.imageSharingMode = VK_SHARING_MODE_EXCLUSIVE;
    }
}

} // namespace

void SwapChainTarget::create()
{
    createSwapChain();
    createImageViews();
    createReadBack();
}

// Screenshots copy the presented image, which needs transfer-source usage;
// a surface that does not offer it still presents, without screenshots.
VkImageUsageFlags SwapChainTarget::imageUsage(const VkSurfaceCapabilitiesKHR& capabilities)
{
    readBackSupported = (capabilities.supportedUsageFlags & VK_IMAGE_USAGE_TRANSFER_SRC_BIT) != 0;
    if (!readBackSupported && !readBackRefusalSaid) {
        std::cerr << "The surface cannot copy its images: screenshots are off." << std::endl;
        readBackRefusalSaid = true;
    }
    return VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT | (readBackSupported ? VK_IMAGE_USAGE_TRANSFER_SRC_BIT : 0);
}

void SwapChainTarget::createReadBack()
{
    readBackSupported = readBackSupported && isReadableFormat(imageFormat);
    if (!readBackSupported) {
        return;
    }
    imageReadBack =
        ImageReadBack(BufferUtils(setting.device, setting.physicalDevice, VK_NULL_HANDLE, setting.graphicsQueue),
                      setting.graphicsFamily, imageExtent);
    VkSemaphoreCreateInfo semaphoreInfo{};
    semaphoreInfo.sType = VK_STRUCTURE_TYPE_SEMAPHORE_CREATE_INFO;
    copyFinishedSemaphores.resize(images.size());
    for (VkSemaphore& semaphore : copyFinishedSemaphores) {
        checkResult(vkCreateSemaphore(setting.device, &semaphoreInfo, nullptr, &semaphore),
                    "failed to create the read-back objects!");
    }
}

void SwapChainTarget::destroyReadBack()
{
    imageReadBack.destroy();
    for (VkSemaphore semaphore : copyFinishedSemaphores) {
        vkDestroySemaphore(setting.device, semaphore, nullptr);
    }
    copyFinishedSemaphores.clear();
}

void SwapChainTarget::createSwapChain()
{
    SwapChainSupportDetails swapChainSupport = querySwapChainSupport(setting.physicalDevice, setting.surface);

    VkSurfaceFormatKHR surfaceFormat = chooseSwapSurfaceFormat(swapChainSupport.formats);
    VkPresentModeKHR presentMode = chooseSwapPresentMode(swapChainSupport.presentModes, setting.requestedPresentMode);
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(setting.window, &width, &height);
    VkExtent2D extent = chooseSwapExtent(swapChainSupport.capabilities, width, height);
    uint32_t imageCount = chooseImageCount(swapChainSupport.capabilities);

    VkSwapchainCreateInfoKHR createInfo{};
    createInfo.sType = VK_STRUCTURE_TYPE_SWAPCHAIN_CREATE_INFO_KHR;
    createInfo.surface = setting.surface;
    createInfo.minImageCount = imageCount;
    createInfo.imageFormat = surfaceFormat.format;
    createInfo.imageColorSpace = surfaceFormat.colorSpace;
    createInfo.imageExtent = extent;
    createInfo.imageArrayLayers = 1;
    createInfo.imageUsage = imageUsage(swapChainSupport.capabilities);

    const uint32_t queueFamilyIndices[] = {setting.graphicsFamily, setting.presentFamily};
    shareBetween(createInfo, queueFamilyIndices);
    createInfo.preTransform = swapChainSupport.capabilities.currentTransform;
    createInfo.compositeAlpha = VK_COMPOSITE_ALPHA_OPAQUE_BIT_KHR;
    createInfo.presentMode = presentMode;
    createInfo.clipped = VK_TRUE;
    createInfo.oldSwapchain = VK_NULL_HANDLE;

    checkResult(vkCreateSwapchainKHR(setting.device, &createInfo, nullptr, &swapChain), "failed to create swap chain!");

    vkGetSwapchainImagesKHR(setting.device, swapChain, &imageCount, nullptr);
    images.resize(imageCount);
    vkGetSwapchainImagesKHR(setting.device, swapChain, &imageCount, images.data());
    imageFormat = surfaceFormat.format;
    imageExtent = extent;
    mode = presentMode;
}

void SwapChainTarget::createImageViews()
{
    views.resize(images.size());
    for (size_t i = 0; i < images.size(); i++) {
        views[i] = createImageView(setting.device, images[i], VK_IMAGE_VIEW_TYPE_2D, imageFormat,
                                   VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, "failed to create texture image view!");
    }
}

VkResult SwapChainTarget::acquire(VkSemaphore imageAvailable, uint32_t& imageIndex)
{
    return vkAcquireNextImageKHR(setting.device, swapChain, UINT64_MAX, imageAvailable, VK_NULL_HANDLE, &imageIndex);
}

VkResult SwapChainTarget::present(VkSemaphore renderFinished, uint32_t imageIndex)
{
    VkSemaphore presentWait = renderFinished;
    if (readBackRequested) {
        readBackRequested = false;
        presentWait = copyFinishedSemaphores[imageIndex];
        readBack = imageReadBack.copy(setting.graphicsQueue, images[imageIndex], VK_IMAGE_LAYOUT_PRESENT_SRC_KHR,
                                      imageFormat, renderFinished, presentWait);
    }
    VkPresentInfoKHR presentInfo{};
    presentInfo.sType = VK_STRUCTURE_TYPE_PRESENT_INFO_KHR;
    presentInfo.waitSemaphoreCount = 1;
    presentInfo.pWaitSemaphores = &presentWait;
    presentInfo.swapchainCount = 1;
    presentInfo.pSwapchains = &swapChain;
    presentInfo.pImageIndices = &imageIndex;
    return vkQueuePresentKHR(setting.presentQueue, &presentInfo);
}

void SwapChainTarget::destroy()
{
    destroyReadBack();
    for (auto imageView : views) {
        vkDestroyImageView(setting.device, imageView, nullptr);
    }
    views.clear();
    vkDestroySwapchainKHR(setting.device, swapChain, nullptr);
    swapChain = VK_NULL_HANDLE;
}
