#pragma once

#include "base/BufferUtils.h"
#include "textures/Material.h"

#include <glm/glm.hpp>

#include <string>

// A mesh's colour texture and normal map with its four material parameters.
class ImageTexture : public Material {
public:
    ImageTexture(BufferUtils bufferUtils, std::string texturePath, std::string normalMapPath, glm::vec3 materialVector,
                 float coefficient1, float coefficient2, float coefficient3);

    void cleanup() override;

    VkImageView& getTextureImageView() { return textureImageView; }
    VkSampler getTextureSampler() const { return textureSampler; }
    VkImageView& getNormalImageView() { return normalImageView; }
    VkSampler getNormalSampler() const { return normalSampler; }
    glm::vec3 getMaterialVector() const { return materialVector; }
    float getCoefficient1() const { return coefficient1; }
    float getCoefficient2() const { return coefficient2; }
    float getCoefficient3() const { return coefficient3; }

    VkDeviceSize getImageSize() const { return imageSize; }
    int getTexWidth() const { return texWidth; }
    int getTexHeight() const { return texHeight; }
    int getTexChannels() const { return texChannels; }

private:
    void loadTextureImage(const std::string& texturePath);
    void loadNormalMap(const std::string& normalMapPath);
    void destroyColorTexture();
    void destroyNormalMap();

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
    VkImage normalImage = VK_NULL_HANDLE;
    VkDeviceMemory normalImageMemory = VK_NULL_HANDLE;
    VkImageView normalImageView = VK_NULL_HANDLE;
    VkSampler normalSampler = VK_NULL_HANDLE;
    glm::vec3 materialVector;
    float coefficient1;
    float coefficient2;
    float coefficient3;
};
