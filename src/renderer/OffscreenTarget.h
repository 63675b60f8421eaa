#pragma once

#include "base/BufferUtils.h"
#include "renderer/FrameTarget.h"
#include "renderer/ImageReadBack.h"

#include <vector>

// Images of the renderer's own, for runs without a window: taken in turn, and
// on request copied back to host memory when they are handed on.
class OffscreenTarget : public FrameTarget {
public:
    // A swap chain of the demo's window holds this many images; the offscreen
    // run keeps the same rotation so both reuse images alike.
    static constexpr uint32_t imageCount = 3;
    // The format the demo's swap chain chooses.
    static constexpr VkFormat imageFormat = VK_FORMAT_B8G8R8A8_SRGB;

    OffscreenTarget(const BufferUtils& bufferUtils, VkQueue queue, uint32_t queueFamily, VkExtent2D extent)
        : bufferUtils(bufferUtils), queue(queue), queueFamily(queueFamily), imageExtent(extent)
    {
    }

    VkFormat format() const override { return imageFormat; }
    VkExtent2D extent() const override { return imageExtent; }
    VkImageLayout finalLayout() const override { return VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL; }
    const std::vector<VkImageView>& imageViews() const override { return views; }

    VkResult acquire(VkSemaphore imageAvailable, uint32_t& imageIndex) override;
    VkResult present(VkSemaphore renderFinished, uint32_t imageIndex) override;

    void create() override;
    void destroy() override;

    bool canReadBack() const override { return true; }

private:
    void submit(VkSemaphore wait, VkSemaphore signal) const;

    BufferUtils bufferUtils;
    VkQueue queue;
    uint32_t queueFamily;
    VkExtent2D imageExtent;
    std::vector<VkImage> images;
    std::vector<VkDeviceMemory> imageMemories;
    std::vector<VkImageView> views;
    uint32_t nextImage = 0;
    ImageReadBack imageReadBack;
};
