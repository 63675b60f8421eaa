#include "textures/DynEnvironmentTexture.h"

#include "constants/FramesInFlight.h"
#include "base/ImageUtils.h"
#include "textures/TextureSamplers.h"

#include <stdexcept>

namespace {

constexpr int facesPerCube = 6;
// The environment render pass draws its colour faces in this format.
constexpr VkFormat colorFormat = VK_FORMAT_R8G8B8A8_SRGB;

} // namespace

DynEnvironmentTexture::DynEnvironmentTexture(BufferUtils bufferUtils, int width, int height, int fourth)
    : bufferUtils(bufferUtils), device(bufferUtils.getDevice()), width(width), height(height), fourth(fourth),
      depthFormat(bufferUtils.findDepthFormat())
{
    if (width <= 0 || width != height) {
        throw std::invalid_argument("cube faces must be square!");
    }
    images.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    imageMemories.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    imageViews.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    attachmentViews.resize(MAX_FRAMES_IN_FLIGHT * facesPerCube, VK_NULL_HANDLE);
    depthImages.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    depthImageMemories.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    depthImageViews.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    depthAttachmentViews.resize(MAX_FRAMES_IN_FLIGHT * facesPerCube, VK_NULL_HANDLE);
    for (int frame = 0; frame < MAX_FRAMES_IN_FLIGHT; frame++) {
        createCubes(frame);
        createDepthCubes(frame);
    }
    sampler = createRenderTargetSampler(bufferUtils);
    depthSampler = createDepthCubeSampler(bufferUtils);
}

void DynEnvironmentTexture::createCubes(int frame)
{
    const ImageShape shape{static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                           static_cast<uint32_t>(layerCount), VK_IMAGE_CREATE_CUBE_COMPATIBLE_BIT};
    // A face can be copied back to the host, to check what it shows.
    createImage(bufferUtils, shape, colorFormat, VK_IMAGE_TILING_OPTIMAL,
                VK_IMAGE_USAGE_TRANSFER_DST_BIT | VK_IMAGE_USAGE_TRANSFER_SRC_BIT | VK_IMAGE_USAGE_SAMPLED_BIT |
                    VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT,
                VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, images[frame], imageMemories[frame]);
    // The environment pass expects every face in the shader-read layout when it starts.
    // Until the first environment pass has drawn it, the cube reflects a plain hazy sky.
    const VkClearColorValue hazySky{{0.45f, 0.55f, 0.7f, 1.0f}};
    makeShaderReadable(bufferUtils, images[frame], VK_IMAGE_ASPECT_COLOR_BIT, shape.layerCount, hazySky);
    imageViews[frame] = createImageView(device, images[frame], VK_IMAGE_VIEW_TYPE_CUBE, colorFormat,
                                        VK_IMAGE_ASPECT_COLOR_BIT, 0, shape.layerCount, "failed to create image view!");
    for (uint32_t face = 0; face < shape.layerCount; face++) {
        attachmentViews[frame * facesPerCube + face] =
            createImageView(device, images[frame], VK_IMAGE_VIEW_TYPE_2D, colorFormat, VK_IMAGE_ASPECT_COLOR_BIT, face,
                            1, "failed to create image view!");
    }
}

void DynEnvironmentTexture::createDepthCubes(int frame)
{
    const ImageShape shape{static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                           static_cast<uint32_t>(layerCount), VK_IMAGE_CREATE_CUBE_COMPATIBLE_BIT};
    const VkImageAspectFlags attachmentAspect = depthStencilAspect(depthFormat);
    createImage(bufferUtils, shape, depthFormat, VK_IMAGE_TILING_OPTIMAL,
                VK_IMAGE_USAGE_TRANSFER_DST_BIT | VK_IMAGE_USAGE_SAMPLED_BIT |
                    VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT,
                VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, depthImages[frame], depthImageMemories[frame]);
    makeShaderReadable(bufferUtils, depthImages[frame], attachmentAspect, shape.layerCount);
    // A sampled view may name one aspect only: the shaders read depth.
    depthImageViews[frame] =
        createImageView(device, depthImages[frame], VK_IMAGE_VIEW_TYPE_CUBE, depthFormat, VK_IMAGE_ASPECT_DEPTH_BIT, 0,
                        shape.layerCount, "failed to create image view!");
    for (uint32_t face = 0; face < shape.layerCount; face++) {
        depthAttachmentViews[frame * facesPerCube + face] =
            createImageView(device, depthImages[frame], VK_IMAGE_VIEW_TYPE_2D, depthFormat, attachmentAspect, face, 1,
                            "failed to create image view!");
    }
}

void DynEnvironmentTexture::cleanup()
{
    if (cleanedUp) {
        return;
    }
    vkDestroySampler(device, sampler, nullptr);
    vkDestroySampler(device, depthSampler, nullptr);
    for (int frame = 0; frame < MAX_FRAMES_IN_FLIGHT; frame++) {
        vkDestroyImageView(device, imageViews[frame], nullptr);
        vkDestroyImage(device, images[frame], nullptr);
        vkFreeMemory(device, imageMemories[frame], nullptr);
        vkDestroyImageView(device, depthImageViews[frame], nullptr);
        vkDestroyImage(device, depthImages[frame], nullptr);
        vkFreeMemory(device, depthImageMemories[frame], nullptr);
        for (int face = frame * facesPerCube; face < (frame + 1) * facesPerCube; face++) {
            vkDestroyImageView(device, attachmentViews[face], nullptr);
            vkDestroyImageView(device, depthAttachmentViews[face], nullptr);
        }
    }
    cleanedUp = true;
}
