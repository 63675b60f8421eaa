#pragma once

#include <vulkan/vulkan.h>

#include <vector>

// The four non-owned handles every resource-making class needs, with the
// synchronous staging helpers they share. Copies are cheap and all refer to
// the same Vulkan objects, which the Renderer destroys at shutdown.
class BufferUtils {
public:
    BufferUtils() = default;
    BufferUtils(VkDevice device, VkPhysicalDevice physicalDevice, VkCommandPool commandPool, VkQueue graphicsQueue);

    VkDevice getDevice() const { return device; }
    VkPhysicalDevice getPhysicalDevice() const { return physicalDevice; }

    void createBuffer(VkDeviceSize size, VkBufferUsageFlags usage, VkMemoryPropertyFlags properties, VkBuffer& buffer,
                      VkDeviceMemory& bufferMemory) const;
    // A new device-local buffer for `usage` (and as a transfer destination)
    // holding a copy of `size` bytes from `contents`, uploaded through a
    // staging buffer; returns once the copy is done.
    void createDeviceLocalBuffer(const void* contents, VkDeviceSize size, VkBufferUsageFlags usage, VkBuffer& buffer,
                                 VkDeviceMemory& bufferMemory) const;
    void copyBuffer(VkBuffer srcBuffer, VkBuffer dstBuffer, VkDeviceSize size) const;
    void copyBufferToImage(VkBuffer buffer, VkImage image, uint32_t width, uint32_t height, uint32_t layerCount) const;
    void copyBufferToDepthImage(VkBuffer buffer, VkImage image, uint32_t width, uint32_t height,
                                uint32_t layerCount) const;

    VkCommandBuffer beginSingleTimeCommands() const;
    void endSingleTimeCommands(VkCommandBuffer commandBuffer) const;

    uint32_t findMemoryType(uint32_t typeFilter, VkMemoryPropertyFlags properties) const;
    VkFormat findSupportedFormat(const std::vector<VkFormat>& candidates, VkImageTiling tiling,
                                 VkFormatFeatureFlags features) const;
    VkFormat findDepthFormat() const;

private:
    void copyToImage(VkBuffer buffer, VkImage image, uint32_t width, uint32_t height, uint32_t layerCount,
                     VkImageAspectFlags aspect) const;

    VkDevice device = VK_NULL_HANDLE;
    VkPhysicalDevice physicalDevice = VK_NULL_HANDLE;
    VkCommandPool commandPool = VK_NULL_HANDLE;
    VkQueue graphicsQueue = VK_NULL_HANDLE;
};

// Shared by BufferUtils and the Renderer, which searches its own physical device.
uint32_t findMemoryType(VkPhysicalDevice physicalDevice, uint32_t typeFilter, VkMemoryPropertyFlags properties);
VkFormat findSupportedFormat(VkPhysicalDevice physicalDevice, const std::vector<VkFormat>& candidates,
                             VkImageTiling tiling, VkFormatFeatureFlags features);
VkFormat findDepthFormat(VkPhysicalDevice physicalDevice);
