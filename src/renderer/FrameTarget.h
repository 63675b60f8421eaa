#pragma once

#include "renderer/FramePixels.h"

#include <vulkan/vulkan.h>

#include <vector>

// Where the presentation pass draws: the swap chain's images when there is a
// window, images of the renderer's own when there is none. Everything else in
// a frame is the same for both; only taking an image and handing it on differ.
class FrameTarget {
public:
    virtual ~FrameTarget() = default;

    virtual VkFormat format() const = 0;
    virtual VkExtent2D extent() const = 0;
    // The layout the presentation pass leaves the image in.
    virtual VkImageLayout finalLayout() const = 0;
    virtual const std::vector<VkImageView>& imageViews() const = 0;

    // Picks the image of the next frame; `imageAvailable` is signalled once it
    // may be drawn into. VK_ERROR_OUT_OF_DATE_KHR asks for recreate().
    virtual VkResult acquire(VkSemaphore imageAvailable, uint32_t& imageIndex) = 0;
    // Hands the image on once `renderFinished` is signalled; the semaphore is
    // waited on either way. VK_SUBOPTIMAL_KHR or VK_ERROR_OUT_OF_DATE_KHR ask
    // for recreate().
    virtual VkResult present(VkSemaphore renderFinished, uint32_t imageIndex) = 0;

    virtual void create() = 0;
    virtual void destroy() = 0;

    // Whether presented frames can be copied back to the host.
    virtual bool canReadBack() const = 0;
    // The next presented frame is copied back; present() returns once it is.
    void readBackNextFrame() { readBackRequested = canReadBack(); }
    bool isReadBackPending() const { return readBackRequested; }
    // The frame the last read-back copied.
    const FramePixels& lastReadBack() const { return readBack; }

protected:
    bool readBackRequested = false;
    FramePixels readBack;
};
