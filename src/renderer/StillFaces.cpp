#include "renderer/StillFaces.h"

#include "base/Framebuffers.h"
#include "base/ImageUtils.h"
#include "textures/DynEnvironmentTexture.h"

namespace {

// The colour format of the environment faces, which the copies must match.
constexpr VkFormat faceColourFormat = VK_FORMAT_R8G8B8A8_SRGB;

VkImageCopy faceCopy(VkImageAspectFlags aspect, uint32_t face, VkExtent2D extent)
{
    VkImageCopy region{};
    region.srcSubresource = {aspect, 0, face, 1};
    region.dstSubresource = {aspect, 0, face, 1};
    region.extent = {extent.width, extent.height, 1};
    return region;
}

VkImageMemoryBarrier faceToCopyInto(VkImage image, VkImageAspectFlags aspect, uint32_t face)
{
    VkImageMemoryBarrier barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
    barrier.srcAccessMask = 0;
    barrier.dstAccessMask = VK_ACCESS_TRANSFER_WRITE_BIT;
    barrier.oldLayout = VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL;
    barrier.newLayout = VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image;
    barrier.subresourceRange = {aspect, 0, 1, face, 1};
    return barrier;
}

} // namespace

void prepareCubeForCopies(VkCommandBuffer commandBuffer, const DynEnvironmentTexture& texture, int set,
                          const std::array<bool, StillFaces::faceCount>& faces)
{
    std::vector<VkImageMemoryBarrier> barriers;
    for (uint32_t face = 0; face < StillFaces::faceCount; face++) {
        if (faces[face]) {
            barriers.push_back(faceToCopyInto(texture.getImage(set), VK_IMAGE_ASPECT_COLOR_BIT, face));
            barriers.push_back(
                faceToCopyInto(texture.getDepthImage(set), depthStencilAspect(texture.getDepthFormat()), face));
        }
    }
    if (barriers.empty()) {
        return;
    }
    vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT, VK_PIPELINE_STAGE_TRANSFER_BIT, 0, 0,
                         nullptr, 0, nullptr, static_cast<uint32_t>(barriers.size()), barriers.data());
}

StillFaces::StillFaces(const BufferUtils& bufferUtils, VkRenderPass renderPass, VkExtent2D faceExtent,
                       VkFormat depthFormat)
    : bufferUtils(bufferUtils), faceExtent(faceExtent), depthAspect(depthStencilAspect(depthFormat))
{
    colour = createLayeredImage(faceColourFormat, VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT, VK_IMAGE_ASPECT_COLOR_BIT);
    depth = createLayeredImage(depthFormat, VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT, depthAspect);
    for (uint32_t face = 0; face < faceCount; face++) {
        framebuffers[face] =
            createFramebuffer(bufferUtils.getDevice(), renderPass, {colour.faceViews[face], depth.faceViews[face]},
                              faceExtent.width, faceExtent.height);
    }
}

StillFaces::LayeredImage StillFaces::createLayeredImage(VkFormat format, VkImageUsageFlags usage,
                                                        VkImageAspectFlags aspect) const
{
    LayeredImage layered;
    createImage(bufferUtils, ImageShape{faceExtent.width, faceExtent.height, faceCount, 0}, format,
                VK_IMAGE_TILING_OPTIMAL, usage | VK_IMAGE_USAGE_TRANSFER_SRC_BIT, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT,
                layered.image, layered.memory);
    for (uint32_t face = 0; face < faceCount; face++) {
        layered.faceViews[face] = createImageView(bufferUtils.getDevice(), layered.image, VK_IMAGE_VIEW_TYPE_2D, format,
                                                  aspect, face, 1, "failed to create image view!");
    }
    return layered;
}

void StillFaces::recordCopy(VkCommandBuffer commandBuffer, uint32_t face, VkImage frameColour, VkImage frameDepth) const
{
    const VkImageCopy colourRegion = faceCopy(VK_IMAGE_ASPECT_COLOR_BIT, face, faceExtent);
    vkCmdCopyImage(commandBuffer, colour.image, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, frameColour,
                   VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, 1, &colourRegion);
    const VkImageCopy depthRegion = faceCopy(depthAspect, face, faceExtent);
    vkCmdCopyImage(commandBuffer, depth.image, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, frameDepth,
                   VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, 1, &depthRegion);
}

void StillFaces::destroyLayeredImage(const LayeredImage& layered) const
{
    const VkDevice device = bufferUtils.getDevice();
    for (VkImageView view : layered.faceViews) {
        vkDestroyImageView(device, view, nullptr);
    }
    vkDestroyImage(device, layered.image, nullptr);
    vkFreeMemory(device, layered.memory, nullptr);
}

void StillFaces::destroy()
{
    for (VkFramebuffer framebuffer : framebuffers) {
        vkDestroyFramebuffer(bufferUtils.getDevice(), framebuffer, nullptr);
    }
    framebuffers = {};
    destroyLayeredImage(colour);
    destroyLayeredImage(depth);
    colour = {};
    depth = {};
}
