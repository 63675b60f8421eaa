#include "SquarePass.h"

void beginSquarePass(VkCommandBuffer commandBuffer, VkRenderPass renderPass, VkFramebuffer target, uint32_t extent,
                     const std::vector<VkClearValue>& clearValues)
{
    VkRenderPassBeginInfo renderPassInfo{};
    renderPassInfo.sType = VK_STRUCTURE_TYPE_RENDER_PASS_BEGIN_INFO;
    renderPassInfo.renderPass = renderPass;
    renderPassInfo.framebuffer = target;
    renderPassInfo.renderArea.extent = {extent, extent};
    renderPassInfo.clearValueCount = static_cast<uint32_t>(clearValues.size());
    renderPassInfo.pClearValues = clearValues.data();
    vkCmdBeginRenderPass(commandBuffer, &renderPassInfo, VK_SUBPASS_CONTENTS_INLINE);
}
