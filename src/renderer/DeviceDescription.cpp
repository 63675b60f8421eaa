#include "renderer/DeviceDescription.h"

const char* deviceTypeName(VkPhysicalDeviceType type)
{
    switch (type) {
    case VK_PHYSICAL_DEVICE_TYPE_DISCRETE_GPU:
        return "discrete GPU";
    case VK_PHYSICAL_DEVICE_TYPE_INTEGRATED_GPU:
        return "integrated GPU";
    case VK_PHYSICAL_DEVICE_TYPE_VIRTUAL_GPU:
        return "virtual GPU";
    case VK_PHYSICAL_DEVICE_TYPE_CPU:
        return "CPU";
    default:
        return "other";
    }
}

// NVIDIA packs its driver version 10.8.8.6 bits; the others follow the API's packing.
std::string driverVersionText(const VkPhysicalDeviceProperties& properties)
{
    const uint32_t v = properties.driverVersion;
    constexpr uint32_t nvidia = 0x10DE;
    if (properties.vendorID == nvidia) {
        return std::to_string(v >> 22) + "." + std::to_string((v >> 14) & 0xFF) + "." + std::to_string((v >> 6) & 0xFF);
    }
    return apiVersionText(v);
}

std::string apiVersionText(uint32_t version)
{
    return std::to_string(VK_API_VERSION_MAJOR(version)) + "." + std::to_string(VK_API_VERSION_MINOR(version)) + "." +
           std::to_string(VK_API_VERSION_PATCH(version));
}
