#pragma once

#include <vulkan/vulkan.h>

#include <cstdint>
#include <vector>

VkSurfaceFormatKHR chooseSwapSurfaceFormat(const std::vector<VkSurfaceFormatKHR>& availableFormats);
VkPresentModeKHR chooseSwapPresentMode(const std::vector<VkPresentModeKHR>& availablePresentModes);
VkExtent2D chooseSwapExtent(const VkSurfaceCapabilitiesKHR& capabilities, int framebufferWidth, int framebufferHeight);
uint32_t chooseImageCount(const VkSurfaceCapabilitiesKHR& capabilities);
