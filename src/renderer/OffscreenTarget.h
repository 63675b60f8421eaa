#pragma once

#include "base/BufferUtils.h"
#include "renderer/FramePixels.h"
#include "renderer/FrameTarget.h"

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

    // The next presented frame is copied back; present() returns once it is.
    void readBackNextFrame() { readBackRequested = true; }
    const FramePixels& lastReadBack() const { return readBack; }

private:
    void createReadBackObjects();
    void submit(VkSemaphore wait, VkPipelineStageFlags waitStage, VkSemaphore signal, VkCommandBuffer commandBuffer,
                VkFence fence) const;
    void recordCopy(uint32_t imageIndex) const;
    void copyOut();

    BufferUtils bufferUtils;
    VkQueue queue;
    uint32_t queueFamily;
    VkExtent2D imageExtent;
    std::vector<VkImage> images;
    std::vector<VkDeviceMemory> imageMemories;
    std::vector<VkImageView> views;
    uint32_t nextImage = 0;

    VkCommandPool commandPool = VK_NULL_HANDLE;
    VkCommandBuffer copyCommands = VK_NULL_HANDLE;
    VkFence copyFence = VK_NULL_HANDLE;
    VkBuffer readBackBuffer = VK_NULL_HANDLE;
    VkDeviceMemory readBackMemory = VK_NULL_HANDLE;
    bool readBackRequested = false;
    FramePixels readBack;
};
