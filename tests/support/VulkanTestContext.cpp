#include "VulkanTestContext.h"

#include "base/DebugMessenger.h"
#include "base/ReadBack.h"

#include <cstring>
#include <stdexcept>

namespace {

// Everything above verbose counts, except two kinds of notes at info level
// that say nothing about the program: the loader's (the folders it searched,
// the layers it loaded) and the layer's greeting when the instance is made.
bool isStartupNote(VkDebugUtilsMessageSeverityFlagBitsEXT severity, VkDebugUtilsMessageTypeFlagsEXT type,
                   const VkDebugUtilsMessengerCallbackDataEXT* callbackData)
{
    if (severity != VK_DEBUG_UTILS_MESSAGE_SEVERITY_INFO_BIT_EXT) {
        return false;
    }
    const char* id = callbackData->pMessageIdName;
    return type == VK_DEBUG_UTILS_MESSAGE_TYPE_GENERAL_BIT_EXT ||
           (id != nullptr && std::strcmp(id, "UNASSIGNED-khronos-validation-createinstance-status-message") == 0);
}

VKAPI_ATTR VkBool32 VKAPI_CALL collectMessage(VkDebugUtilsMessageSeverityFlagBitsEXT severity,
                                              VkDebugUtilsMessageTypeFlagsEXT type,
                                              const VkDebugUtilsMessengerCallbackDataEXT* callbackData, void* userData)
{
    if (severity >= VK_DEBUG_UTILS_MESSAGE_SEVERITY_INFO_BIT_EXT && !isStartupNote(severity, type, callbackData)) {
        static_cast<std::vector<std::string>*>(userData)->push_back(callbackData->pMessage);
    }
    return VK_FALSE;
}

const char* const validationLayer = "VK_LAYER_KHRONOS_validation";

} // namespace

VulkanTestContext::VulkanTestContext()
{
    createInstance();
    pickDevice();
    createDevice();
}

VulkanTestContext::~VulkanTestContext()
{
    vkDeviceWaitIdle(device_);
    vkDestroyCommandPool(device_, commandPool_, nullptr);
    vkDestroyDevice(device_, nullptr);
    destroyDebugUtilsMessenger(instance_, messenger_);
    vkDestroyInstance(instance_, nullptr);
}

void VulkanTestContext::createInstance()
{
    VkApplicationInfo appInfo{};
    appInfo.sType = VK_STRUCTURE_TYPE_APPLICATION_INFO;
    appInfo.pApplicationName = "Kestrelwing tests";
    appInfo.apiVersion = VK_API_VERSION_1_0;

    VkDebugUtilsMessengerCreateInfoEXT messengerInfo{};
    messengerInfo.sType = VK_STRUCTURE_TYPE_DEBUG_UTILS_MESSENGER_CREATE_INFO_EXT;
    messengerInfo.messageSeverity = VK_DEBUG_UTILS_MESSAGE_SEVERITY_INFO_BIT_EXT |
                                    VK_DEBUG_UTILS_MESSAGE_SEVERITY_WARNING_BIT_EXT |
                                    VK_DEBUG_UTILS_MESSAGE_SEVERITY_ERROR_BIT_EXT;
    messengerInfo.messageType = VK_DEBUG_UTILS_MESSAGE_TYPE_GENERAL_BIT_EXT |
                                VK_DEBUG_UTILS_MESSAGE_TYPE_VALIDATION_BIT_EXT |
                                VK_DEBUG_UTILS_MESSAGE_TYPE_PERFORMANCE_BIT_EXT;
    messengerInfo.pfnUserCallback = collectMessage;
    messengerInfo.pUserData = &messages_;

    const char* extension = VK_EXT_DEBUG_UTILS_EXTENSION_NAME;
    VkInstanceCreateInfo createInfo{};
    createInfo.sType = VK_STRUCTURE_TYPE_INSTANCE_CREATE_INFO;
    createInfo.pApplicationInfo = &appInfo;
    createInfo.enabledExtensionCount = 1;
    createInfo.ppEnabledExtensionNames = &extension;
    createInfo.enabledLayerCount = 1;
    createInfo.ppEnabledLayerNames = &validationLayer;
    createInfo.pNext = &messengerInfo;
    if (vkCreateInstance(&createInfo, nullptr, &instance_) != VK_SUCCESS) {
        throw std::runtime_error("test context: cannot create a Vulkan instance with validation");
    }
    createDebugUtilsMessenger(instance_, messengerInfo, messenger_);
}

void VulkanTestContext::pickDevice()
{
    uint32_t count = 0;
    vkEnumeratePhysicalDevices(instance_, &count, nullptr);
    if (count == 0) {
        throw std::runtime_error("test context: no Vulkan device");
    }
    std::vector<VkPhysicalDevice> devices(count);
    vkEnumeratePhysicalDevices(instance_, &count, devices.data());
    physicalDevice_ = devices[0];

    uint32_t familyCount = 0;
    vkGetPhysicalDeviceQueueFamilyProperties(physicalDevice_, &familyCount, nullptr);
    std::vector<VkQueueFamilyProperties> families(familyCount);
    vkGetPhysicalDeviceQueueFamilyProperties(physicalDevice_, &familyCount, families.data());
    for (uint32_t i = 0; i < familyCount; i++) {
        if (families[i].queueFlags & VK_QUEUE_GRAPHICS_BIT) {
            queueFamily_ = i;
            return;
        }
    }
    throw std::runtime_error("test context: no graphics queue");
}

void VulkanTestContext::createDevice()
{
    float priority = 1.0f;
    VkDeviceQueueCreateInfo queueInfo{};
    queueInfo.sType = VK_STRUCTURE_TYPE_DEVICE_QUEUE_CREATE_INFO;
    queueInfo.queueFamilyIndex = queueFamily_;
    queueInfo.queueCount = 1;
    queueInfo.pQueuePriorities = &priority;

    VkPhysicalDeviceFeatures features{};
    features.samplerAnisotropy = VK_TRUE;
    features.independentBlend = VK_TRUE;
    features.geometryShader = VK_TRUE;

    VkDeviceCreateInfo createInfo{};
    createInfo.sType = VK_STRUCTURE_TYPE_DEVICE_CREATE_INFO;
    createInfo.queueCreateInfoCount = 1;
    createInfo.pQueueCreateInfos = &queueInfo;
    createInfo.pEnabledFeatures = &features;
    createInfo.enabledLayerCount = 1;
    createInfo.ppEnabledLayerNames = &validationLayer;
    if (vkCreateDevice(physicalDevice_, &createInfo, nullptr, &device_) != VK_SUCCESS) {
        throw std::runtime_error("test context: cannot create a device");
    }
    vkGetDeviceQueue(device_, queueFamily_, 0, &queue_);

    VkCommandPoolCreateInfo poolInfo{};
    poolInfo.sType = VK_STRUCTURE_TYPE_COMMAND_POOL_CREATE_INFO;
    poolInfo.flags = VK_COMMAND_POOL_CREATE_RESET_COMMAND_BUFFER_BIT;
    poolInfo.queueFamilyIndex = queueFamily_;
    vkCreateCommandPool(device_, &poolInfo, nullptr, &commandPool_);
}

std::vector<char> VulkanTestContext::readBuffer(VkBuffer buffer, VkDeviceSize size) const
{
    BufferUtils utils = bufferUtils();
    VkBuffer readback;
    VkDeviceMemory readbackMemory;
    utils.createBuffer(size, VK_BUFFER_USAGE_TRANSFER_DST_BIT,
                       VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT, readback,
                       readbackMemory);
    utils.copyBuffer(buffer, readback, size);
    std::vector<char> bytes(size);
    readHostVisible(device_, readbackMemory, bytes.data(), bytes.size());
    vkDestroyBuffer(device_, readback, nullptr);
    vkFreeMemory(device_, readbackMemory, nullptr);
    return bytes;
}
