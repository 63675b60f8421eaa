#include "renderer/RenderPasses.h"

#include "base/ResultCheck.h"

#include "textures/DefferedTexture.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace {

VkAttachmentDescription colorAttachmentDescription(VkFormat format, VkImageLayout initialLayout,
                                                   VkImageLayout finalLayout)
{
    VkAttachmentDescription colorAttachment{};
    colorAttachment.format = format;
    colorAttachment.samples = VK_SAMPLE_COUNT_1_BIT;
    colorAttachment.loadOp = VK_ATTACHMENT_LOAD_OP_CLEAR;
    colorAttachment.storeOp = VK_ATTACHMENT_STORE_OP_STORE;
    colorAttachment.stencilLoadOp = VK_ATTACHMENT_LOAD_OP_DONT_CARE;
    colorAttachment.stencilStoreOp = VK_ATTACHMENT_STORE_OP_DONT_CARE;
    colorAttachment.initialLayout = initialLayout;
    colorAttachment.finalLayout = finalLayout;
    return colorAttachment;
}

VkAttachmentDescription depthAttachmentDescription(VkFormat format, VkAttachmentStoreOp storeOp,
                                                   VkImageLayout initialLayout, VkImageLayout finalLayout)
{
    VkAttachmentDescription depthAttachment = colorAttachmentDescription(format, initialLayout, finalLayout);
    depthAttachment.storeOp = storeOp;
    return depthAttachment;
}

VkRenderPass createSingleSubpassRenderPass(VkDevice device, const std::vector<VkAttachmentDescription>& attachments)
{
    const uint32_t colorCount = static_cast<uint32_t>(attachments.size() - 1);
    std::vector<VkAttachmentReference> colorAttachmentRefs(colorCount);
    for (uint32_t i = 0; i < colorCount; i++) {
        colorAttachmentRefs[i] = {i, VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL};
    }
    VkAttachmentReference depthAttachmentRef{colorCount, VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL};

    VkSubpassDescription subpass{};
    subpass.pipelineBindPoint = VK_PIPELINE_BIND_POINT_GRAPHICS;
    subpass.colorAttachmentCount = colorCount;
    subpass.pColorAttachments = colorAttachmentRefs.data();
    subpass.pDepthStencilAttachment = &depthAttachmentRef;

    VkSubpassDependency dependency{};
    dependency.srcSubpass = VK_SUBPASS_EXTERNAL;
    dependency.dstSubpass = 0;
    // A depth image can be shared by passes that nothing else orders (the
    // presentation passes of both frames in flight use one): the layout
    // transition at the start of a pass must wait for the depth writes of the
    // pass submitted before it.
    dependency.srcStageMask = VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT |
                              VK_PIPELINE_STAGE_EARLY_FRAGMENT_TESTS_BIT | VK_PIPELINE_STAGE_LATE_FRAGMENT_TESTS_BIT;
    dependency.srcAccessMask = VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;
    dependency.dstStageMask =
        VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT | VK_PIPELINE_STAGE_EARLY_FRAGMENT_TESTS_BIT;
    dependency.dstAccessMask = VK_ACCESS_COLOR_ATTACHMENT_WRITE_BIT | VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;
    std::array<VkSubpassDependency, 1> dependencies = {dependency};

    VkRenderPassCreateInfo renderPassInfo{};
    renderPassInfo.sType = VK_STRUCTURE_TYPE_RENDER_PASS_CREATE_INFO;
    renderPassInfo.attachmentCount = static_cast<uint32_t>(attachments.size());
    renderPassInfo.pAttachments = attachments.data();
    renderPassInfo.subpassCount = 1;
    renderPassInfo.pSubpasses = &subpass;
    renderPassInfo.dependencyCount = static_cast<uint32_t>(dependencies.size());
    renderPassInfo.pDependencies = dependencies.data();

    VkRenderPass renderPass;
    checkResult(vkCreateRenderPass(device, &renderPassInfo, nullptr, &renderPass), "failed to create render pass!");
    return renderPass;
}

} // namespace

VkRenderPass createPresentationRenderPass(VkDevice device, VkFormat colorFormat, VkImageLayout finalLayout,
                                          VkFormat depthFormat)
{
    return createSingleSubpassRenderPass(
        device, {colorAttachmentDescription(colorFormat, VK_IMAGE_LAYOUT_UNDEFINED, finalLayout),
                 depthAttachmentDescription(depthFormat, VK_ATTACHMENT_STORE_OP_DONT_CARE, VK_IMAGE_LAYOUT_UNDEFINED,
                                            VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL)});
}

VkRenderPass createGBufferRenderPass(VkDevice device, VkFormat depthFormat)
{
    std::vector<VkAttachmentDescription> attachments;
    for (VkFormat format : DefferedTexture::attachmentFormats) {
        attachments.push_back(
            colorAttachmentDescription(format, VK_IMAGE_LAYOUT_UNDEFINED, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL));
    }
    attachments.push_back(depthAttachmentDescription(depthFormat, VK_ATTACHMENT_STORE_OP_DONT_CARE,
                                                     VK_IMAGE_LAYOUT_UNDEFINED,
                                                     VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL));
    return createSingleSubpassRenderPass(device, attachments);
}

VkRenderPass createEnvironmentRenderPass(VkDevice device, VkFormat depthFormat)
{
    // The faces are sampled as cubes afterwards, colour and depth alike, so both
    // enter and leave in the shader-read layout and both are stored.
    return createSingleSubpassRenderPass(
        device,
        {colorAttachmentDescription(VK_FORMAT_R8G8B8A8_SRGB, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL,
                                    VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL),
         depthAttachmentDescription(depthFormat, VK_ATTACHMENT_STORE_OP_STORE, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL,
                                    VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL)});
}
