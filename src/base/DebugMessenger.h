#pragma once

#include <vulkan/vulkan.h>

// The validation layer's messages go to standard error as they come.
void populateDebugMessengerCreateInfo(VkDebugUtilsMessengerCreateInfoEXT& createInfo);
VkResult createDebugUtilsMessenger(VkInstance instance, const VkDebugUtilsMessengerCreateInfoEXT& createInfo,
                                   VkDebugUtilsMessengerEXT& messenger);
void destroyDebugUtilsMessenger(VkInstance instance, VkDebugUtilsMessengerEXT messenger);
