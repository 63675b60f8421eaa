#pragma once

#include "base/BufferUtils.h"

#include <vulkan/vulkan.h>

#include <array>

class DynEnvironmentTexture;

// The six environment faces as the reflective cube sees what never moves (the sky and every
// still mesh), colour and depth, drawn once and copied byte for byte into the cube set of
// every frame, over which only what moves is then drawn.
class StillFaces {
public:
    static constexpr uint32_t faceCount = 6;

    StillFaces() = default;
    // `renderPass` draws one face; its attachments end in TRANSFER_SRC_OPTIMAL, where the
    // copies read them.
    StillFaces(const BufferUtils& bufferUtils, VkRenderPass renderPass, VkExtent2D faceExtent, VkFormat depthFormat);

    VkExtent2D extent() const { return faceExtent; }
    VkFramebuffer framebuffer(uint32_t face) const { return framebuffers[face]; }
    VkImage colourImage() const { return colour.image; }

    // Copies face `face`, colour and depth, into the same layer of the frame's cube images,
    // which must be in TRANSFER_DST_OPTIMAL.
    void recordCopy(VkCommandBuffer commandBuffer, uint32_t face, VkImage frameColour, VkImage frameDepth) const;

    void destroy();

private:
    struct LayeredImage {
        VkImage image = VK_NULL_HANDLE;
        VkDeviceMemory memory = VK_NULL_HANDLE;
        std::array<VkImageView, faceCount> faceViews{};
    };

    LayeredImage createLayeredImage(VkFormat format, VkImageUsageFlags usage, VkImageAspectFlags aspect) const;
    void destroyLayeredImage(const LayeredImage& layered) const;

    BufferUtils bufferUtils;
    VkExtent2D faceExtent{};
    VkImageAspectFlags depthAspect = 0;
    LayeredImage colour;
    LayeredImage depth;
    std::array<VkFramebuffer, faceCount> framebuffers{};
};

// Brings the given faces of cube set `set` of the environment, colour and depth, from the
// layout in which they are sampled into the one the still faces are copied into them in. The
// set was last sampled by the G-buffer pass of the frame before, which the host did not wait
// for: the copies wait for those reads.
void prepareCubeForCopies(VkCommandBuffer commandBuffer, const DynEnvironmentTexture& texture, int set,
                          const std::array<bool, StillFaces::faceCount>& faces);
