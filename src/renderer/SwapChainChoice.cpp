#include "renderer/SwapChainChoice.h"

#include "renderer/PresentModeNames.h"
#include "renderer/RefusedChoice.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

VkSurfaceFormatKHR chooseSwapSurfaceFormat(const std::vector<VkSurfaceFormatKHR>& availableFormats)
{
    for (const VkSurfaceFormatKHR& availableFormat : availableFormats) {
        if (availableFormat.format == VK_FORMAT_B8G8R8A8_SRGB &&
            availableFormat.colorSpace == VK_COLOR_SPACE_SRGB_NONLINEAR_KHR) {
            return availableFormat;
        }
    }
    if (availableFormats.empty()) {
        throw std::runtime_error("surface offers no formats!");
    }
    return availableFormats.front();
}

VkPresentModeKHR chooseSwapPresentMode(const std::vector<VkPresentModeKHR>& availablePresentModes,
                                       std::optional<VkPresentModeKHR> requested)
{
    const auto offered = [&](VkPresentModeKHR mode) {
        return std::find(availablePresentModes.begin(), availablePresentModes.end(), mode) !=
               availablePresentModes.end();
    };
    if (requested) {
        if (!offered(*requested)) {
            throw RefusedChoice("--present-mode " + presentModeName(*requested) +
                                " is not offered by this surface, which offers " +
                                presentModeList(availablePresentModes));
        }
        return *requested;
    }
    const bool hasMailbox = offered(VK_PRESENT_MODE_MAILBOX_KHR);
    // FIFO is the one mode every presenting driver must offer.
    return hasMailbox ? VK_PRESENT_MODE_MAILBOX_KHR : VK_PRESENT_MODE_FIFO_KHR;
}

VkExtent2D chooseSwapExtent(const VkSurfaceCapabilitiesKHR& capabilities, int framebufferWidth, int framebufferHeight)
{
    // A definite current extent is the surface's own size; the special value lets the window decide.
    if (capabilities.currentExtent.width != std::numeric_limits<uint32_t>::max()) {
        return capabilities.currentExtent;
    }
    VkExtent2D actualExtent = {static_cast<uint32_t>(framebufferWidth), static_cast<uint32_t>(framebufferHeight)};
    actualExtent.width =
        std::clamp(actualExtent.width, capabilities.minImageExtent.width, capabilities.maxImageExtent.width);
    actualExtent.height =
        std::clamp(actualExtent.height, capabilities.minImageExtent.height, capabilities.maxImageExtent.height);
    return actualExtent;
}

uint32_t chooseImageCount(const VkSurfaceCapabilitiesKHR& capabilities)
{
    uint32_t imageCount = capabilities.minImageCount + 1;
    // A maximum of 0 means the surface sets no limit.
    if (capabilities.maxImageCount > 0 && imageCount > capabilities.maxImageCount) {
        imageCount = capabilities.maxImageCount;
    }
    return imageCount;
}
