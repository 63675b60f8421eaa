#pragma once

#include "base/BufferUtils.h"
#include "textures/CubemapTexture.h"

#include <vector>

// The reflections' cube: per frame in flight a colour cube and a depth cube
// that the environment pass redraws face by face, sampled the frame after.
class DynEnvironmentTexture : public CubemapTexture {
public:
    DynEnvironmentTexture(BufferUtils bufferUtils, int width, int height, int fourth);

    void cleanup() override;
    VkImageView& getImageView(int frameIndex) override { return imageViews[frameIndex]; }
    VkSampler& getSampler() override { return sampler; }
    VkSampler& getDepthSampler() { return depthSampler; }

    VkImageView& getDepthImageView(int frameIndex) { return depthImageViews[frameIndex]; }
    // The cube images of a frame, six layers each, for copies into or out of its faces.
    VkImage getImage(int frameIndex) const { return images[frameIndex]; }
    VkImage getDepthImage(int frameIndex) const { return depthImages[frameIndex]; }
    VkFormat getDepthFormat() const { return depthFormat; }
    // Frame f's six faces are entries 6f to 6f + 5, in layer order.
    std::vector<VkImageView> getAttachmentViews() const { return attachmentViews; }
    std::vector<VkImageView> getDepthAttachmentViews() const { return depthAttachmentViews; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }

private:
    void createCubes(int frame);
    void createDepthCubes(int frame);

    BufferUtils bufferUtils;
    VkDevice device;
    std::vector<VkImage> images;
    std::vector<VkDeviceMemory> imageMemories;
    std::vector<VkImageView> imageViews;
    std::vector<VkImageView> attachmentViews;
    std::vector<VkImage> depthImages;
    std::vector<VkDeviceMemory> depthImageMemories;
    std::vector<VkImageView> depthImageViews;
    std::vector<VkImageView> depthAttachmentViews;
    VkSampler sampler = VK_NULL_HANDLE;
    VkSampler depthSampler = VK_NULL_HANDLE;
    int width;
    int height;
    int fourth;
    VkFormat depthFormat;
};
