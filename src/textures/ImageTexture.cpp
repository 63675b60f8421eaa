#include "textures/ImageTexture.h"

#include "textures/DecodedImage.h"
#include "base/ImageUtils.h"
#include "textures/TextureSamplers.h"

#include <stdexcept>

namespace {

// The colour texture holds colours and is decoded from sRGB on sampling; the
// normal map holds vectors, which must reach the shader unchanged.
constexpr VkFormat colorFormat = VK_FORMAT_R8G8B8A8_SRGB;
constexpr VkFormat normalMapFormat = VK_FORMAT_R8G8B8A8_UNORM;

ImageShape flatShape(const DecodedImage& decoded)
{
    return {static_cast<uint32_t>(decoded.width), static_cast<uint32_t>(decoded.height), 1, 0};
}

} // namespace

ImageTexture::ImageTexture(BufferUtils bufferUtils, std::string texturePath, std::string normalMapPath,
                           glm::vec3 materialVector, float coefficient1, float coefficient2, float coefficient3)
    : bufferUtils(bufferUtils), device(bufferUtils.getDevice()), materialVector(materialVector),
      coefficient1(coefficient1), coefficient2(coefficient2), coefficient3(coefficient3)
{
    loadTextureImage(texturePath);
    try {
        loadNormalMap(normalMapPath);
    } catch (...) {
        // A constructor that throws leaves no object whose cleanup() could run.
        destroyNormalMap();
        destroyColorTexture();
        throw;
    }
}

void ImageTexture::loadTextureImage(const std::string& texturePath)
{
    const DecodedImage decoded = decodeImage(texturePath);
    if (!decoded.pixels) {
        throw std::runtime_error("failed to load texture image!");
    }
    texWidth = decoded.width;
    texHeight = decoded.height;
    texChannels = decoded.channels;
    imageSize = VkDeviceSize{static_cast<uint32_t>(texWidth)} * static_cast<uint32_t>(texHeight) * 4;

    uploadImage(bufferUtils, flatShape(decoded), colorFormat, {decoded.pixels.get()}, textureImage, textureImageMemory);
    textureImageView = createImageView(device, textureImage, VK_IMAGE_VIEW_TYPE_2D, colorFormat,
                                       VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, "failed to create texture image view!");
    textureSampler = createTextureSampler(bufferUtils);
}

void ImageTexture::loadNormalMap(const std::string& normalMapPath)
{
    const DecodedImage decoded = decodeImage(normalMapPath);
    if (!decoded.pixels) {
        throw std::runtime_error("failed to load normal map!");
    }
    uploadImage(bufferUtils, flatShape(decoded), normalMapFormat, {decoded.pixels.get()}, normalImage,
                normalImageMemory);
    normalImageView = createImageView(device, normalImage, VK_IMAGE_VIEW_TYPE_2D, normalMapFormat,
                                      VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, "failed to create texture image view!");
    normalSampler = createTextureSampler(bufferUtils);
}

void ImageTexture::destroyColorTexture()
{
    vkDestroySampler(device, textureSampler, nullptr);
    vkDestroyImageView(device, textureImageView, nullptr);
    vkDestroyImage(device, textureImage, nullptr);
    vkFreeMemory(device, textureImageMemory, nullptr);
}

void ImageTexture::destroyNormalMap()
{
    vkDestroySampler(device, normalSampler, nullptr);
    vkDestroyImageView(device, normalImageView, nullptr);
    vkDestroyImage(device, normalImage, nullptr);
    vkFreeMemory(device, normalImageMemory, nullptr);
}

void ImageTexture::cleanup()
{
    if (cleanedUp) {
        return;
    }
    destroyColorTexture();
    destroyNormalMap();
    cleanedUp = true;
}
