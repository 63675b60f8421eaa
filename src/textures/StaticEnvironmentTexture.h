#pragma once

#include "base/BufferUtils.h"
#include "textures/CubemapTexture.h"

#include <string>

// The sky: a cube loaded once from the six face images of one directory.
class StaticEnvironmentTexture : public CubemapTexture {
public:
    StaticEnvironmentTexture(BufferUtils bufferUtils, std::string directory);

    void cleanup() override;
    VkImageView& getImageView(int frameIndex) override;
    VkSampler& getSampler() override { return textureSampler; }

    VkDeviceSize getImageSize() const { return imageSize; }

private:
    BufferUtils bufferUtils;
    VkDevice device;
    VkImage textureImage = VK_NULL_HANDLE;
    VkDeviceMemory textureImageMemory = VK_NULL_HANDLE;
    VkImageView textureImageView = VK_NULL_HANDLE;
    VkSampler textureSampler = VK_NULL_HANDLE;
    VkDeviceSize imageSize = 0;
    int texWidth = 0;
    int texHeight = 0;
    int texChannels = 0;
};
