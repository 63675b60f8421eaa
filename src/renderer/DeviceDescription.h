#pragma once

#include <vulkan/vulkan.h>

#include <string>

// How a device is named to people: in the start line, the device list and the
// benchmark's header.

// "discrete GPU", "integrated GPU", "virtual GPU", "CPU" or "other".
const char* deviceTypeName(VkPhysicalDeviceType type);

// The driver's version as its vendor writes it.
std::string driverVersionText(const VkPhysicalDeviceProperties& properties);

// A packed Vulkan version as "major.minor.patch".
std::string apiVersionText(uint32_t version);
