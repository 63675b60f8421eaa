#pragma once

#include <vulkan/vulkan.h>

// The validation layer's messages go to standard error as they come. Its and
// the loader's verbose chatter (drivers searched, devices copied) only with
// `verbose`: it would bury the warnings that matter.
void populateDebugMessengerCreateInfo(VkDebugUtilsMessengerCreateInfoEXT& createInfo, bool verbose);
VkResult createDebugUtilsMessenger(VkInstance instance, const VkDebugUtilsMessengerCreateInfoEXT& createInfo,
                                   VkDebugUtilsMessengerEXT& messenger);
void destroyDebugUtilsMessenger(VkInstance instance, VkDebugUtilsMessengerEXT messenger);
