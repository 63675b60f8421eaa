#pragma once

#include <vulkan/vulkan.h>

#include <cstdint>
#include <optional>
#include <vector>

VkSurfaceFormatKHR chooseSwapSurfaceFormat(const std::vector<VkSurfaceFormatKHR>& availableFormats);
// The requested mode when the surface offers it (RefusedChoice naming the
// modes it offers when not); with none requested, mailbox where offered, else FIFO.
VkPresentModeKHR chooseSwapPresentMode(const std::vector<VkPresentModeKHR>& availablePresentModes,
                                       std::optional<VkPresentModeKHR> requested = std::nullopt);
VkExtent2D chooseSwapExtent(const VkSurfaceCapabilitiesKHR& capabilities, int framebufferWidth, int framebufferHeight);
uint32_t chooseImageCount(const VkSurfaceCapabilitiesKHR& capabilities);
