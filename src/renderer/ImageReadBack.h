#pragma once

#include "base/BufferUtils.h"
#include "renderer/FramePixels.h"

#include <vulkan/vulkan.h>

// Copies a presentation image back to host memory, for the offscreen frames
// and the window's screenshots: a command pool and buffer, a fence and a
// host-visible buffer of one image's size, made for one target size.
class ImageReadBack {
public:
    ImageReadBack() = default;
    ImageReadBack(const BufferUtils& bufferUtils, uint32_t queueFamily, VkExtent2D extent);

    // Copies `image`, found in `layout` and left in it, once `wait` is
    // signalled, signals `signal` when done (either may be null), and returns
    // the frame as RGBA once the copy has completed.
    FramePixels copy(VkQueue queue, VkImage image, VkImageLayout layout, VkFormat format, VkSemaphore wait,
                     VkSemaphore signal);

    void destroy();

private:
    void record(VkImage image, VkImageLayout layout) const;
    FramePixels pixels(VkFormat format) const;

    BufferUtils bufferUtils;
    VkExtent2D extent{};
    VkCommandPool commandPool = VK_NULL_HANDLE;
    VkCommandBuffer commands = VK_NULL_HANDLE;
    VkFence fence = VK_NULL_HANDLE;
    VkBuffer buffer = VK_NULL_HANDLE;
    VkDeviceMemory memory = VK_NULL_HANDLE;
};

// Whether frames of `format` can be handed out as RGBA bytes.
bool isReadableFormat(VkFormat format);
