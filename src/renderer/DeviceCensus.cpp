#include "renderer/DeviceCensus.h"

#include <GLFW/glfw3.h>

#include <cstring>
#include <stdexcept>

namespace {

// GLFW for the duration of the census, when a display is there to ask.
class WindowSystem {
public:
    WindowSystem() : available(glfwInit() == GLFW_TRUE && glfwVulkanSupported() == GLFW_TRUE) {}
    ~WindowSystem() { glfwTerminate(); }
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    const bool available;
};

VkInstance createCensusInstance(const WindowSystem& windowSystem)
{
    uint32_t extensionCount = 0;
    const char** extensions = windowSystem.available ? glfwGetRequiredInstanceExtensions(&extensionCount) : nullptr;
    VkInstanceCreateInfo createInfo{};
    createInfo.sType = VK_STRUCTURE_TYPE_INSTANCE_CREATE_INFO;
    createInfo.enabledExtensionCount = extensionCount;
    createInfo.ppEnabledExtensionNames = extensions;
    VkInstance instance = VK_NULL_HANDLE;
    if (vkCreateInstance(&createInfo, nullptr, &instance) != VK_SUCCESS) {
        throw std::runtime_error("failed to create instance!");
    }
    return instance;
}

bool hasSwapChainExtension(VkPhysicalDevice device)
{
    uint32_t extensionCount = 0;
    vkEnumerateDeviceExtensionProperties(device, nullptr, &extensionCount, nullptr);
    std::vector<VkExtensionProperties> extensions(extensionCount);
    vkEnumerateDeviceExtensionProperties(device, nullptr, &extensionCount, extensions.data());
    for (const VkExtensionProperties& extension : extensions) {
        if (std::strcmp(extension.extensionName, VK_KHR_SWAPCHAIN_EXTENSION_NAME) == 0) {
            return true;
        }
    }
    return false;
}

DeviceFacts censusFacts(VkInstance instance, VkPhysicalDevice device, const WindowSystem& windowSystem)
{
    DeviceFacts facts;
    vkGetPhysicalDeviceProperties(device, &facts.properties);
    vkGetPhysicalDeviceFeatures(device, &facts.features);
    uint32_t familyCount = 0;
    vkGetPhysicalDeviceQueueFamilyProperties(device, &familyCount, nullptr);
    std::vector<VkQueueFamilyProperties> families(familyCount);
    vkGetPhysicalDeviceQueueFamilyProperties(device, &familyCount, families.data());
    facts.presentation = !windowSystem.available;
    for (uint32_t i = 0; i < familyCount; i++) {
        facts.graphicsQueue = facts.graphicsQueue || (families[i].queueFlags & VK_QUEUE_GRAPHICS_BIT) != 0;
        facts.presentation = facts.presentation ||
                             glfwGetPhysicalDevicePresentationSupport(instance, device, i) == GLFW_TRUE;
    }
    facts.swapChainExtension = hasSwapChainExtension(device);
    facts.surfaceOffers = true;
    return facts;
}

} // namespace

std::vector<DeviceFacts> takeDeviceCensus()
{
    const WindowSystem windowSystem;
    VkInstance instance = createCensusInstance(windowSystem);
    uint32_t deviceCount = 0;
    vkEnumeratePhysicalDevices(instance, &deviceCount, nullptr);
    std::vector<VkPhysicalDevice> devices(deviceCount);
    vkEnumeratePhysicalDevices(instance, &deviceCount, devices.data());
    std::vector<DeviceFacts> census;
    for (VkPhysicalDevice device : devices) {
        census.push_back(censusFacts(instance, device, windowSystem));
    }
    vkDestroyInstance(instance, nullptr);
    return census;
}
