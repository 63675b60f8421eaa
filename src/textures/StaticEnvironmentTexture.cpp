#include "textures/StaticEnvironmentTexture.h"

#include "AssetFiles.h"
#include "textures/DecodedImage.h"
#include "base/ImageUtils.h"
#include "textures/TextureSamplers.h"

#include <stdexcept>
#include <vector>

namespace {

constexpr VkFormat cubeFormat = VK_FORMAT_R8G8B8A8_SRGB;

} // namespace

StaticEnvironmentTexture::StaticEnvironmentTexture(BufferUtils bufferUtils, std::string directory)
    : bufferUtils(bufferUtils), device(bufferUtils.getDevice())
{
    std::vector<DecodedImage> faces;
    for (int i = 0; i < layerCount; i++) {
        const std::string path = directory + "/" + assetFiles::cubeFaceFiles[i];
        faces.push_back(decodeImage(path));
        if (!faces.back().pixels) {
            throw std::runtime_error("Cubemap: Couldn't load file " + path);
        }
        texWidth = faces.back().width;
        texHeight = faces.back().height;
        texChannels = faces.back().channels;
    }
    // A face of another size than the last would be read past its end, and a
    // cube image must have square faces.
    for (const DecodedImage& face : faces) {
        if (face.width != texWidth || face.height != texWidth) {
            throw std::runtime_error("Cubemap: faces must be square and of one size in " + directory);
        }
    }

    const ImageShape shape{static_cast<uint32_t>(texWidth), static_cast<uint32_t>(texHeight),
                           static_cast<uint32_t>(layerCount), VK_IMAGE_CREATE_CUBE_COMPATIBLE_BIT};
    imageSize = VkDeviceSize{shape.width} * shape.height * 4 * shape.layerCount;
    std::vector<const unsigned char*> layers;
    for (const DecodedImage& face : faces) {
        layers.push_back(face.pixels.get());
    }
    uploadImage(bufferUtils, shape, cubeFormat, layers, textureImage, textureImageMemory);
    textureSampler = createRenderTargetSampler(bufferUtils);
    textureImageView = createImageView(device, textureImage, VK_IMAGE_VIEW_TYPE_CUBE, cubeFormat,
                                       VK_IMAGE_ASPECT_COLOR_BIT, 0, shape.layerCount, "failed to create image view!");
}

VkImageView& StaticEnvironmentTexture::getImageView(int)
{
    return textureImageView;
}

void StaticEnvironmentTexture::cleanup()
{
    if (cleanedUp) {
        return;
    }
    vkDestroySampler(device, textureSampler, nullptr);
    vkDestroyImageView(device, textureImageView, nullptr);
    vkDestroyImage(device, textureImage, nullptr);
    vkFreeMemory(device, textureImageMemory, nullptr);
    cleanedUp = true;
}
