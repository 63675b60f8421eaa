#include "base/BufferUtils.h"
#include "base/Framebuffers.h"
#include "renderer/RenderPasses.h"
#include "renderer/Renderer.h"

#include "objects/CubemapObject.h"
#include "objects/DefferedDrawObject.h"
#include "pipelines/GraphicsPipeline.h"
#include "textures/DefferedTexture.h"
#include "textures/DynEnvironmentTexture.h"
#include "base/ImageUtils.h"

#include <array>
#include <stdexcept>

namespace {

bool sameExtent(VkExtent2D a, VkExtent2D b)
{
    return a.width == b.width && a.height == b.height;
}

} // namespace

VkFormat Renderer::findDepthFormat() const
{
    return ::findDepthFormat(physicalDevice);
}

void Renderer::createRenderPass()
{
    renderPass =
        createPresentationRenderPass(device, frameTarget->format(), frameTarget->finalLayout(), findDepthFormat());
}

// After a move to another display the surface may offer another format; the
// framebuffers made next and the lighting pipeline need a pass that matches it.
void Renderer::rebuildPresentationPass()
{
    vkDestroyRenderPass(device, renderPass, nullptr);
    createRenderPass();
    if (presentationPipeline != nullptr) {
        presentationPipeline->rebuildFor(renderPass);
    }
}

void Renderer::createDeferredRenderPass()
{
    deferredRenderPass = createGBufferRenderPass(device, findDepthFormat());
}

void Renderer::createImage(uint32_t width, uint32_t height, VkFormat format, VkImageTiling tiling,
                           VkImageUsageFlags usage, VkMemoryPropertyFlags properties, VkImage& image,
                           VkDeviceMemory& imageMemory) const
{
    const BufferUtils utils(device, physicalDevice, commandPool, graphicsQueue);
    ::createImage(utils, ImageShape{width, height, 1, 0}, format, tiling, usage, properties, image, imageMemory);
}

VkImageView Renderer::createImageView(VkImage image, VkFormat format, VkImageAspectFlags aspectFlags) const
{
    return ::createImageView(device, image, VK_IMAGE_VIEW_TYPE_2D, format, aspectFlags, 0, 1,
                             "failed to create texture image view!");
}

void Renderer::createDepthResources()
{
    deferredExtent = frameTarget->extent();
    createDeferredDepthImage();
}

void Renderer::createDeferredDepthImage()
{
    VkFormat depthFormat = findDepthFormat();
    createImage(deferredExtent.width, deferredExtent.height, depthFormat, VK_IMAGE_TILING_OPTIMAL,
                VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, deferredDepthImage,
                deferredDepthImageMemory);
    deferredDepthImageView = createImageView(deferredDepthImage, depthFormat, VK_IMAGE_ASPECT_DEPTH_BIT);
}

void Renderer::createDeferredFramebuffers(DefferedDrawObject& deferredObject)
{
    gBufferObject = &deferredObject;
    DefferedTexture* gBuffer = deferredObject.getDeferredTexture();
    if (!sameExtent(gBuffer->getExtent(), deferredExtent)) {
        deferredObject.resizeTargets(deferredExtent);
    }
    deferredFramebuffers.resize(MAX_FRAMES_IN_FLIGHT);
    auto albedoViews = gBuffer->getAlbedoViews();
    auto normalViews = gBuffer->getNormalViews();
    auto coefficientViews = gBuffer->getCoefficientViews();
    auto materialViews = gBuffer->getMaterialViews();
    auto worldPosViews = gBuffer->getWorldPosViews();
    for (size_t f = 0; f < MAX_FRAMES_IN_FLIGHT; f++) {
        std::vector<VkImageView> firstAttachments = {albedoViews[f],   normalViews[f],   coefficientViews[f],
                                                     materialViews[f], worldPosViews[f], deferredDepthImageView};
        deferredFramebuffers[f] = createFramebuffer(device, deferredRenderPass, firstAttachments, deferredExtent.width,
                                                    deferredExtent.height);
    }
}

// The lighting pass tests the G-buffer's depth: the frame target's framebuffers take it as
// their depth attachment, so they are made after it.
void Renderer::createFramebuffers()
{
    const std::vector<VkImageView>& views = frameTarget->imageViews();
    const VkExtent2D extent = frameTarget->extent();
    swapChainFramebuffers.resize(views.size());
    for (size_t i = 0; i < views.size(); i++) {
        swapChainFramebuffers[i] =
            createFramebuffer(device, renderPass, {views[i], deferredDepthImageView}, extent.width, extent.height);
    }
}

// The lighting pass maps the whole G-buffer onto the whole swap-chain image,
// so both must have one size: a larger G-buffer would show a stretched corner
// of itself, a smaller one would be drawn outside its framebuffer.
void Renderer::resizeDeferredTargets()
{
    if (gBufferObject == nullptr || sameExtent(deferredExtent, frameTarget->extent())) {
        return;
    }
    cleanupDeferredResources();
    deferredExtent = frameTarget->extent();
    createDeferredDepthImage();
    createDeferredFramebuffers(*gBufferObject);
}

void Renderer::createCubemapRenderPass(CubemapObject& envCube)
{
    cubemapRenderPass = createEnvironmentRenderPass(device, findDepthFormat());
    stillFacesRenderPass = createStillFacesRenderPass(device, findDepthFormat());
    createCubemapFramebuffers(envCube);
}

void Renderer::createCubemapFramebuffers(CubemapObject& envCube)
{
    auto* texture = dynamic_cast<DynEnvironmentTexture*>(envCube.getCubemap());
    if (texture == nullptr) {
        throw std::runtime_error("cannot draw into a static cubemap!");
    }
    auto attachmentViews = texture->getAttachmentViews();
    auto depthAttachmentViews = texture->getDepthAttachmentViews();
    auto width = static_cast<uint32_t>(texture->getWidth());
    auto height = static_cast<uint32_t>(texture->getHeight());
    for (uint32_t f = 0; f < MAX_FRAMES_IN_FLIGHT; f++) {
        // Cube set s keeps its six faces at views 6s to 6s + 5.
        const size_t firstView = 6 * previousFrameSlot(f);
        for (size_t face = 0; face < 6; face++) {
            frames[f].cubeFaceFramebuffers[face] = createFramebuffer(
                device, cubemapRenderPass, {attachmentViews[firstView + face], depthAttachmentViews[firstView + face]},
                width, height);
        }
    }
    const BufferUtils utils(device, physicalDevice, commandPool, graphicsQueue);
    stillFaces.emplace(utils, stillFacesRenderPass, VkExtent2D{width, height}, texture->getDepthFormat());
    stillFacesOrigin.reset();
    facesHoldingStillCopy = {};
}

void Renderer::cleanupDeferredResources()
{
    for (auto framebuffer : deferredFramebuffers) {
        vkDestroyFramebuffer(device, framebuffer, nullptr);
    }
    vkDestroyImageView(device, deferredDepthImageView, nullptr);
    vkDestroyImage(device, deferredDepthImage, nullptr);
    vkFreeMemory(device, deferredDepthImageMemory, nullptr);
}

void Renderer::cleanupCubemapResources()
{
    for (const FrameSlot& slot : frames) {
        for (VkFramebuffer framebuffer : slot.cubeFaceFramebuffers) {
            vkDestroyFramebuffer(device, framebuffer, nullptr);
        }
    }
    if (stillFaces) {
        stillFaces->destroy();
        stillFaces.reset();
    }
}
