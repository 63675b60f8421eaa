#include "base/Framebuffers.h"

#include "base/ResultCheck.h"

#include <stdexcept>

VkFramebuffer createFramebuffer(VkDevice device, VkRenderPass renderPass, const std::vector<VkImageView>& attachments,
                                uint32_t width, uint32_t height)
{
    VkFramebufferCreateInfo framebufferInfo{};
    framebufferInfo.sType = VK_STRUCTURE_TYPE_FRAMEBUFFER_CREATE_INFO;
    framebufferInfo.renderPass = renderPass;
    framebufferInfo.attachmentCount = static_cast<uint32_t>(attachments.size());
    framebufferInfo.pAttachments = attachments.data();
    framebufferInfo.width = width;
    framebufferInfo.height = height;
    framebufferInfo.layers = 1;

    VkFramebuffer framebuffer;
    checkResult(vkCreateFramebuffer(device, &framebufferInfo, nullptr, &framebuffer), "failed to create framebuffer!");
    return framebuffer;
}
