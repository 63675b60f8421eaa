#pragma once

#include "base/BufferUtils.h"
#include "renderer/FrameTarget.h"
#include "renderer/ImageReadBack.h"

#define GLFW_INCLUDE_VULKAN
#include <GLFW/glfw3.h>

#include <cstdint>
#include <optional>
#include <vector>

struct SwapChainSupportDetails {
    VkSurfaceCapabilitiesKHR capabilities{};
    std::vector<VkSurfaceFormatKHR> formats;
    std::vector<VkPresentModeKHR> presentModes;
};

SwapChainSupportDetails querySwapChainSupport(VkPhysicalDevice physicalDevice, VkSurfaceKHR surface);

// The handles a swap chain is made from; the renderer owns all of them.
struct SwapChainSetting {
    GLFWwindow* window = nullptr;
    VkSurfaceKHR surface = VK_NULL_HANDLE;
    VkPhysicalDevice physicalDevice = VK_NULL_HANDLE;
    VkDevice device = VK_NULL_HANDLE;
    VkQueue presentQueue = VK_NULL_HANDLE;
    // Where a screenshot's copy is submitted.
    VkQueue graphicsQueue = VK_NULL_HANDLE;
    uint32_t graphicsFamily = 0;
    uint32_t presentFamily = 0;
    std::optional<VkPresentModeKHR> requestedPresentMode;
};

// The window's swap chain: images are acquired from and presented to the
// presentation engine.
class SwapChainTarget : public FrameTarget {
public:
    explicit SwapChainTarget(const SwapChainSetting& setting) : setting(setting) {}

    VkFormat format() const override { return imageFormat; }
    VkExtent2D extent() const override { return imageExtent; }
    VkImageLayout finalLayout() const override { return VK_IMAGE_LAYOUT_PRESENT_SRC_KHR; }
    const std::vector<VkImageView>& imageViews() const override { return views; }
    VkPresentModeKHR presentMode() const { return mode; }

    VkResult acquire(VkSemaphore imageAvailable, uint32_t& imageIndex) override;
    VkResult present(VkSemaphore renderFinished, uint32_t imageIndex) override;

    void create() override;
    void destroy() override;

    bool canReadBack() const override { return readBackSupported; }

private:
    void createSwapChain();
    void createImageViews();
    VkImageUsageFlags imageUsage(const VkSurfaceCapabilitiesKHR& capabilities);
    void createReadBack();
    void destroyReadBack();

    SwapChainSetting setting;
    VkSwapchainKHR swapChain = VK_NULL_HANDLE;
    std::vector<VkImage> images;
    std::vector<VkImageView> views;
    VkFormat imageFormat = VK_FORMAT_UNDEFINED;
    VkExtent2D imageExtent{};
    bool readBackSupported = false;
    bool readBackRefusalSaid = false;
    ImageReadBack imageReadBack;
    // One per image: the present of a copied frame waits on it, and the
    // presentation engine may hold it until that image comes back.
    std::vector<VkSemaphore> copyFinishedSemaphores;
    VkPresentModeKHR mode = VK_PRESENT_MODE_FIFO_KHR;
};
