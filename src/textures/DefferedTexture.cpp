#include "textures/DefferedTexture.h"

#include "constants/FramesInFlight.h"
#include "base/ImageUtils.h"
#include "textures/TextureSamplers.h"

DefferedTexture::DefferedTexture(BufferUtils bufferUtils, VkExtent2D extent)
    : bufferUtils(bufferUtils), device(bufferUtils.getDevice()), extent(extent)
{
    createTargets();
    sampler = createRenderTargetSampler(bufferUtils);
}

void DefferedTexture::resize(VkExtent2D newExtent)
{
    destroyTargets();
    extent = newExtent;
    createTargets();
}

void DefferedTexture::createTargets()
{
    for (int attachment = 0; attachment < AttachmentCount; attachment++) {
        createAttachment(images[attachment], imageMemories[attachment], imageViews[attachment],
                         attachmentFormats[attachment]);
    }
}

void DefferedTexture::createAttachment(std::vector<VkImage>& attachmentImages,
                                       std::vector<VkDeviceMemory>& attachmentMemories,
                                       std::vector<VkImageView>& attachmentViews, VkFormat format)
{
    attachmentImages.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    attachmentMemories.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    attachmentViews.resize(MAX_FRAMES_IN_FLIGHT, VK_NULL_HANDLE);
    const ImageShape shape{extent.width, extent.height, 1, 0};
    for (int frame = 0; frame < MAX_FRAMES_IN_FLIGHT; frame++) {
        createImage(bufferUtils, shape, format, VK_IMAGE_TILING_OPTIMAL,
                    VK_IMAGE_USAGE_TRANSFER_DST_BIT | VK_IMAGE_USAGE_SAMPLED_BIT | VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT,
                    VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, attachmentImages[frame], attachmentMemories[frame]);
        makeShaderReadable(bufferUtils, attachmentImages[frame], VK_IMAGE_ASPECT_COLOR_BIT, 1);
        attachmentViews[frame] = createImageView(device, attachmentImages[frame], VK_IMAGE_VIEW_TYPE_2D, format,
                                                 VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, "failed to create image view!");
    }
}

void DefferedTexture::cleanup()
{
    if (cleanedUp) {
        return;
    }
    vkDestroySampler(device, sampler, nullptr);
    destroyTargets();
    cleanedUp = true;
}

void DefferedTexture::destroyTargets()
{
    for (int frame = 0; frame < MAX_FRAMES_IN_FLIGHT; frame++) {
        for (int attachment = 0; attachment < AttachmentCount; attachment++) {
            vkDestroyImageView(device, imageViews[attachment][frame], nullptr);
            vkDestroyImage(device, images[attachment][frame], nullptr);
            vkFreeMemory(device, imageMemories[attachment][frame], nullptr);
        }
    }
}
