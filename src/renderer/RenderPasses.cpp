#include "renderer/RenderPasses.h"

#include "base/ResultCheck.h"

#include "textures/DefferedTexture.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace {

VkAttachmentDescription colorAttachmentDescription(VkFormat format, VkImageLayout initialLayout,
                                                   VkImageLayout finalLayout,
                                                   VkAttachmentLoadOp loadOp = VK_ATTACHMENT_LOAD_OP_CLEAR)
{
    VkAttachmentDescription colorAttachment{};
    colorAttachment.format = format;
    colorAttachment.samples = VK_SAMPLE_COUNT_1_BIT;
    colorAttachment.loadOp = loadOp;
    colorAttachment.storeOp = VK_ATTACHMENT_STORE_OP_STORE;
    colorAttachment.stencilLoadOp = VK_ATTACHMENT_LOAD_OP_DONT_CARE;
    colorAttachment.stencilStoreOp = VK_ATTACHMENT_STORE_OP_DONT_CARE;
    colorAttachment.initialLayout = initialLayout;
    colorAttachment.finalLayout = finalLayout;
    return colorAttachment;
}

VkAttachmentDescription depthAttachmentDescription(VkFormat format, VkAttachmentStoreOp storeOp,
                                                   VkImageLayout initialLayout, VkImageLayout finalLayout,
                                                   VkAttachmentLoadOp loadOp = VK_ATTACHMENT_LOAD_OP_CLEAR)
{
    VkAttachmentDescription depthAttachment = colorAttachmentDescription(format, initialLayout, finalLayout, loadOp);
    depthAttachment.storeOp = storeOp;
    return depthAttachment;
}

// A depth image can be shared by passes that nothing else orders (the G-buffer
// passes of both frames in flight use one, and the lighting passes read it): the
// layout transition at the start of a pass must wait for the depth tests and
// writes of the pass submitted before it.
std::vector<VkSubpassDependency> afterEarlierDepthWrites()
{
    VkSubpassDependency dependency{};
    dependency.srcSubpass = VK_SUBPASS_EXTERNAL;
    dependency.dstSubpass = 0;
    dependency.srcStageMask = VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT |
                              VK_PIPELINE_STAGE_EARLY_FRAGMENT_TESTS_BIT | VK_PIPELINE_STAGE_LATE_FRAGMENT_TESTS_BIT;
    dependency.srcAccessMask = VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;
    dependency.dstStageMask =
        VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT | VK_PIPELINE_STAGE_EARLY_FRAGMENT_TESTS_BIT;
    dependency.dstAccessMask = VK_ACCESS_COLOR_ATTACHMENT_WRITE_BIT | VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;
    return {dependency};
}

// The environment faces are copied around their passes: the still faces are drawn over what
// earlier copies read and are copied from afterwards; a frame's faces are copied into before
// their pass draws over them, and sampled afterwards. Both passes carry the same dependencies,
// so that the face pipelines suit either.
std::vector<VkSubpassDependency> betweenCopiesAndSampling()
{
    const VkAccessFlags attachmentAccess = VK_ACCESS_COLOR_ATTACHMENT_READ_BIT | VK_ACCESS_COLOR_ATTACHMENT_WRITE_BIT |
                                           VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_READ_BIT |
                                           VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;
    const VkPipelineStageFlags attachmentStages = VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT |
                                                  VK_PIPELINE_STAGE_EARLY_FRAGMENT_TESTS_BIT |
                                                  VK_PIPELINE_STAGE_LATE_FRAGMENT_TESTS_BIT;
    VkSubpassDependency into{};
    into.srcSubpass = VK_SUBPASS_EXTERNAL;
    into.dstSubpass = 0;
    into.srcStageMask = VK_PIPELINE_STAGE_TRANSFER_BIT;
    into.srcAccessMask = VK_ACCESS_TRANSFER_WRITE_BIT;
    into.dstStageMask = attachmentStages;
    into.dstAccessMask = attachmentAccess;

    VkSubpassDependency out{};
    out.srcSubpass = 0;
    out.dstSubpass = VK_SUBPASS_EXTERNAL;
    out.srcStageMask = attachmentStages;
    out.srcAccessMask = VK_ACCESS_COLOR_ATTACHMENT_WRITE_BIT | VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;
    out.dstStageMask = VK_PIPELINE_STAGE_TRANSFER_BIT | VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT;
    out.dstAccessMask = VK_ACCESS_TRANSFER_READ_BIT | VK_ACCESS_SHADER_READ_BIT;
    return {into, out};
}

VkRenderPass
createSingleSubpassRenderPass(VkDevice device, const std::vector<VkAttachmentDescription>& attachments,
                              const std::vector<VkSubpassDependency>& dependencies = afterEarlierDepthWrites())
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
    // The lighting draws cover every pixel between them, so the colour is not
    // cleared. The depth is the G-buffer pass's, loaded as that pass left it:
    // the lighting tests against it to tell the sky from the surfaces, and
    // writes none.
    return createSingleSubpassRenderPass(
        device, {colorAttachmentDescription(colorFormat, VK_IMAGE_LAYOUT_UNDEFINED, finalLayout,
                                            VK_ATTACHMENT_LOAD_OP_DONT_CARE),
                 depthAttachmentDescription(
                     depthFormat, VK_ATTACHMENT_STORE_OP_DONT_CARE, VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL,
                     VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL, VK_ATTACHMENT_LOAD_OP_LOAD)});
}

VkRenderPass createGBufferRenderPass(VkDevice device, VkFormat depthFormat)
{
    // The sky is drawn last on every pixel that no mesh covers, writing all five
    // targets, so the colour targets need no clear; the depth starts at the far plane.
    std::vector<VkAttachmentDescription> attachments;
    for (VkFormat format : DefferedTexture::attachmentFormats) {
        attachments.push_back(colorAttachmentDescription(format, VK_IMAGE_LAYOUT_UNDEFINED,
                                                         VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL,
                                                         VK_ATTACHMENT_LOAD_OP_DONT_CARE));
    }
    attachments.push_back(depthAttachmentDescription(depthFormat, VK_ATTACHMENT_STORE_OP_STORE,
                                                     VK_IMAGE_LAYOUT_UNDEFINED,
                                                     VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL));
    // The lighting pass samples the targets and tests the depth right after,
    // with no wait on the host between the two: their writes and the move to
    // the read layout must come before its depth tests and fragment shaders.
    std::vector<VkSubpassDependency> dependencies = afterEarlierDepthWrites();
    VkSubpassDependency toLighting{};
    toLighting.srcSubpass = 0;
    toLighting.dstSubpass = VK_SUBPASS_EXTERNAL;
    toLighting.srcStageMask = VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT | VK_PIPELINE_STAGE_LATE_FRAGMENT_TESTS_BIT;
    toLighting.srcAccessMask = VK_ACCESS_COLOR_ATTACHMENT_WRITE_BIT | VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;
    toLighting.dstStageMask = VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT | VK_PIPELINE_STAGE_EARLY_FRAGMENT_TESTS_BIT |
                              VK_PIPELINE_STAGE_LATE_FRAGMENT_TESTS_BIT;
    toLighting.dstAccessMask = VK_ACCESS_SHADER_READ_BIT | VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_READ_BIT;
    dependencies.push_back(toLighting);
    return createSingleSubpassRenderPass(device, attachments, dependencies);
}

VkRenderPass createEnvironmentRenderPass(VkDevice device, VkFormat depthFormat)
{
    // The faces hold the still faces' copy when the pass starts, and are sampled
    // as cubes afterwards, colour and depth alike.
    return createSingleSubpassRenderPass(
        device,
        {colorAttachmentDescription(VK_FORMAT_R8G8B8A8_SRGB, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL,
                                    VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL, VK_ATTACHMENT_LOAD_OP_LOAD),
         depthAttachmentDescription(depthFormat, VK_ATTACHMENT_STORE_OP_STORE, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL,
                                    VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL, VK_ATTACHMENT_LOAD_OP_LOAD)},
        betweenCopiesAndSampling());
}

VkRenderPass createStillFacesRenderPass(VkDevice device, VkFormat depthFormat)
{
    // The sky is drawn over every pixel that no still mesh covers, so the colour
    // needs no clear; the depth starts at the far plane.
    return createSingleSubpassRenderPass(
        device,
        {colorAttachmentDescription(VK_FORMAT_R8G8B8A8_SRGB, VK_IMAGE_LAYOUT_UNDEFINED,
                                    VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, VK_ATTACHMENT_LOAD_OP_DONT_CARE),
         depthAttachmentDescription(depthFormat, VK_ATTACHMENT_STORE_OP_STORE, VK_IMAGE_LAYOUT_UNDEFINED,
                                    VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL)},
        betweenCopiesAndSampling());
}
