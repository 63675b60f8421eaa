#include "base/DebugMessenger.h"

#include "base/ResultCheck.h"
#include "constants/ProgramInfo.h"
#include "renderer/RefusedChoice.h"
#include "renderer/Renderer.h"
#include "renderer/SwapChainTarget.h"

#include <cstring>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>

namespace {

const std::vector<const char*> validationLayers = {"VK_LAYER_KHRONOS_validation"};
const std::vector<const char*> swapChainExtensions = {VK_KHR_SWAPCHAIN_EXTENSION_NAME};

} // namespace

void Renderer::createInstance()
{
    if (settings.validation && !checkValidationLayerSupport()) {
        throw std::runtime_error("validation layers requested, but not available!");
    }

    VkApplicationInfo appInfo{};
    appInfo.sType = VK_STRUCTURE_TYPE_APPLICATION_INFO;
    // Drivers and tools tell programs apart by these, e.g. to apply a profile.
    appInfo.pApplicationName = programName;
    appInfo.applicationVersion = VK_MAKE_VERSION(programVersionMajor, programVersionMinor, programVersionPatch);
    appInfo.pEngineName = "No Engine";
    appInfo.engineVersion = VK_MAKE_VERSION(1, 0, 0);
    appInfo.apiVersion = VK_API_VERSION_1_0;

    auto extensions = getRequiredExtensions();
    VkDebugUtilsMessengerCreateInfoEXT debugCreateInfo;
    populateDebugMessengerCreateInfo(debugCreateInfo, settings.verbose);

    VkInstanceCreateInfo createInfo{};
    createInfo.sType = VK_STRUCTURE_TYPE_INSTANCE_CREATE_INFO;
    createInfo.pApplicationInfo = &appInfo;
    createInfo.enabledExtensionCount = static_cast<uint32_t>(extensions.size());
    createInfo.ppEnabledExtensionNames = extensions.data();
    if (settings.validation) {
        createInfo.enabledLayerCount = static_cast<uint32_t>(validationLayers.size());
        createInfo.ppEnabledLayerNames = validationLayers.data();
        createInfo.pNext = &debugCreateInfo;
    }

    checkResult(vkCreateInstance(&createInfo, nullptr, &instance), "failed to create instance!");
}

bool Renderer::checkValidationLayerSupport() const
{
    uint32_t layerCount;
    vkEnumerateInstanceLayerProperties(&layerCount, nullptr);
    std::vector<VkLayerProperties> availableLayers(layerCount);
    vkEnumerateInstanceLayerProperties(&layerCount, availableLayers.data());

    for (const char* layerName : validationLayers) {
        bool layerFound = false;
        for (const auto& layerProperties : availableLayers) {
            if (strcmp(layerName, layerProperties.layerName) == 0) {
                layerFound = true;
                break;
            }
        }
        if (!layerFound) {
            return false;
        }
    }
    return true;
}

std::vector<const char*> Renderer::getRequiredExtensions() const
{
    std::vector<const char*> extensions;
    if (window != nullptr) {
        uint32_t glfwExtensionCount = 0;
        const char** glfwExtensions = glfwGetRequiredInstanceExtensions(&glfwExtensionCount);
        extensions.assign(glfwExtensions, glfwExtensions + glfwExtensionCount);
    }
    if (settings.validation) {
        extensions.push_back(VK_EXT_DEBUG_UTILS_EXTENSION_NAME);
    }
    return extensions;
}

void Renderer::setupDebugMessenger()
{
    VkDebugUtilsMessengerCreateInfoEXT createInfo;
    populateDebugMessengerCreateInfo(createInfo, settings.verbose);
    checkResult(createDebugUtilsMessenger(instance, createInfo, debugMessenger), "failed to set up debug messenger!");
}

void Renderer::createSurface()
{
    checkResult(glfwCreateWindowSurface(instance, window, nullptr, &surface), "failed to create window surface!");
}

void Renderer::pickPhysicalDevice()
{
    uint32_t deviceCount = 0;
    vkEnumeratePhysicalDevices(instance, &deviceCount, nullptr);
    if (deviceCount == 0) {
        throw std::runtime_error("failed to find GPUs with Vulkan support!");
    }
    std::vector<VkPhysicalDevice> devices(deviceCount);
    vkEnumeratePhysicalDevices(instance, &deviceCount, devices.data());

    std::vector<DeviceFacts> facts;
    for (VkPhysicalDevice candidate : devices) {
        facts.push_back(deviceFacts(candidate));
    }
    const std::optional<size_t> chosen = chooseDevice(facts, settings.device, std::cerr);
    if (!chosen && settings.device) {
        throw RefusedChoice("--gpu " + std::to_string(*settings.device) + " names a device that cannot draw here");
    }
    if (!chosen) {
        throw std::runtime_error("failed to find a suitable GPU!");
    }
    physicalDevice = devices[*chosen];
}

DeviceFacts Renderer::deviceFacts(VkPhysicalDevice candidate) const
{
    DeviceFacts facts;
    vkGetPhysicalDeviceProperties(candidate, &facts.properties);
    vkGetPhysicalDeviceFeatures(candidate, &facts.features);
    const QueueFamilyIndices indices = findQueueFamilies(candidate);
    facts.graphicsQueue = indices.graphicsFamily.has_value();
    facts.presentation = indices.presentFamily.has_value();
    facts.swapChainExtension = checkDeviceExtensionSupport(candidate);
    // Without a window nothing is presented, so any device will do.
    facts.surfaceOffers = window == nullptr;
    if (facts.swapChainExtension && window != nullptr) {
        SwapChainSupportDetails swapChainSupport = querySwapChainSupport(candidate, surface);
        facts.surfaceOffers = !swapChainSupport.formats.empty() && !swapChainSupport.presentModes.empty();
    }
    return facts;
}

QueueFamilyIndices Renderer::findQueueFamilies(VkPhysicalDevice candidate) const
{
    QueueFamilyIndices indices;
    uint32_t queueFamilyCount = 0;
    vkGetPhysicalDeviceQueueFamilyProperties(candidate, &queueFamilyCount, nullptr);
    std::vector<VkQueueFamilyProperties> queueFamilies(queueFamilyCount);
    vkGetPhysicalDeviceQueueFamilyProperties(candidate, &queueFamilyCount, queueFamilies.data());

    for (uint32_t i = 0; i < queueFamilyCount; i++) {
        if (queueFamilies[i].queueFlags & VK_QUEUE_GRAPHICS_BIT) {
            indices.graphicsFamily = i;
        }
        // Offscreen, the graphics queue "presents": it runs the read-back.
        VkBool32 presentSupport = window == nullptr && (queueFamilies[i].queueFlags & VK_QUEUE_GRAPHICS_BIT);
        if (window != nullptr) {
            vkGetPhysicalDeviceSurfaceSupportKHR(candidate, i, surface, &presentSupport);
        }
        if (presentSupport) {
            indices.presentFamily = i;
        }
        if (indices.isComplete()) {
            break;
        }
    }
    return indices;
}

bool Renderer::checkDeviceExtensionSupport(VkPhysicalDevice candidate) const
{
    uint32_t extensionCount;
    vkEnumerateDeviceExtensionProperties(candidate, nullptr, &extensionCount, nullptr);
    std::vector<VkExtensionProperties> availableExtensions(extensionCount);
    vkEnumerateDeviceExtensionProperties(candidate, nullptr, &extensionCount, availableExtensions.data());

    const std::vector<const char*> deviceExtensions = requiredDeviceExtensions();
    std::set<std::string> requiredExtensions(deviceExtensions.begin(), deviceExtensions.end());
    for (const auto& extension : availableExtensions) {
        requiredExtensions.erase(extension.extensionName);
    }
    return requiredExtensions.empty();
}

std::vector<const char*> Renderer::requiredDeviceExtensions() const
{
    return window != nullptr ? swapChainExtensions : std::vector<const char*>{};
}

void Renderer::createLogicalDevice()
{
    QueueFamilyIndices indices = findQueueFamilies(physicalDevice);
    std::set<uint32_t> uniqueQueueFamilies = {indices.graphicsFamily.value(), indices.presentFamily.value()};

    float queuePriority = 1.0f;
    std::vector<VkDeviceQueueCreateInfo> queueCreateInfos;
    for (uint32_t queueFamily : uniqueQueueFamilies) {
        VkDeviceQueueCreateInfo queueCreateInfo{};
        queueCreateInfo.sType = VK_STRUCTURE_TYPE_DEVICE_QUEUE_CREATE_INFO;
        queueCreateInfo.queueFamilyIndex = queueFamily;
        queueCreateInfo.queueCount = 1;
        queueCreateInfo.pQueuePriorities = &queuePriority;
        queueCreateInfos.push_back(queueCreateInfo);
    }

    VkPhysicalDeviceFeatures deviceFeatures{};
    deviceFeatures.samplerAnisotropy = VK_TRUE;
    deviceFeatures.independentBlend = VK_TRUE;
    deviceFeatures.geometryShader = VK_TRUE;

    VkDeviceCreateInfo createInfo{};
    createInfo.sType = VK_STRUCTURE_TYPE_DEVICE_CREATE_INFO;
    createInfo.queueCreateInfoCount = static_cast<uint32_t>(queueCreateInfos.size());
    createInfo.pQueueCreateInfos = queueCreateInfos.data();
    createInfo.pEnabledFeatures = &deviceFeatures;
    const std::vector<const char*> deviceExtensions = requiredDeviceExtensions();
    createInfo.enabledExtensionCount = static_cast<uint32_t>(deviceExtensions.size());
    createInfo.ppEnabledExtensionNames = deviceExtensions.data();
    if (settings.validation) {
        createInfo.enabledLayerCount = static_cast<uint32_t>(validationLayers.size());
        createInfo.ppEnabledLayerNames = validationLayers.data();
    }

    checkResult(vkCreateDevice(physicalDevice, &createInfo, nullptr, &device), "failed to create logical device!");
    vkGetDeviceQueue(device, indices.graphicsFamily.value(), 0, &graphicsQueue);
    vkGetDeviceQueue(device, indices.graphicsFamily.value(), 0, &computeQueue);
    vkGetDeviceQueue(device, indices.presentFamily.value(), 0, &presentQueue);
}
