#pragma once

#include "base/BufferUtils.h"

#include <string>
#include <vector>

// A window-less Vulkan device with the validation layer on, for tests of the
// GPU resource classes. Every validation message above verbose severity (info,
// warning, error; the start-up notes aside) is collected so a test can assert
// that there were none.
class VulkanTestContext {
public:
    VulkanTestContext();
    ~VulkanTestContext();
    VulkanTestContext(const VulkanTestContext&) = delete;
    VulkanTestContext& operator=(const VulkanTestContext&) = delete;

    VkDevice device() const { return device_; }
    VkPhysicalDevice physicalDevice() const { return physicalDevice_; }
    VkQueue queue() const { return queue_; }
    VkCommandPool commandPool() const { return commandPool_; }
    BufferUtils bufferUtils() const { return {device_, physicalDevice_, commandPool_, queue_}; }

    // Messages above verbose severity received so far, start-up notes aside.
    const std::vector<std::string>& validationMessages() const { return messages_; }

    // Host-visible copy of a device buffer, for checking what the GPU holds.
    std::vector<char> readBuffer(VkBuffer buffer, VkDeviceSize size) const;

private:
    void createInstance();
    void pickDevice();
    void createDevice();

    VkInstance instance_ = VK_NULL_HANDLE;
    VkDebugUtilsMessengerEXT messenger_ = VK_NULL_HANDLE;
    VkPhysicalDevice physicalDevice_ = VK_NULL_HANDLE;
    VkDevice device_ = VK_NULL_HANDLE;
    VkQueue queue_ = VK_NULL_HANDLE;
    uint32_t queueFamily_ = 0;
    VkCommandPool commandPool_ = VK_NULL_HANDLE;
    std::vector<std::string> messages_;
};
