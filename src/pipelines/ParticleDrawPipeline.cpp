#include "pipelines/ParticleDrawPipeline.h"

#include "scene/Particle.h"
#include "base/PipelineLayouts.h"

namespace {

// Only the first attachment (the colour) is blended by the particle's alpha;
// the others are overwritten.
std::vector<VkPipelineColorBlendAttachmentState> particleBlendAttachments(int colorAttachmentCount)
{
    std::vector<VkPipelineColorBlendAttachmentState> colorBlendAttachments =
        opaqueBlendAttachments(colorAttachmentCount);
    VkPipelineColorBlendAttachmentState& colorBlendAttachment = colorBlendAttachments.at(0);
    colorBlendAttachment.blendEnable = VK_TRUE;
    colorBlendAttachment.srcColorBlendFactor = VK_BLEND_FACTOR_SRC_ALPHA;
    colorBlendAttachment.dstColorBlendFactor = VK_BLEND_FACTOR_ONE_MINUS_SRC_ALPHA;
    colorBlendAttachment.colorBlendOp = VK_BLEND_OP_ADD;
    colorBlendAttachment.srcAlphaBlendFactor = VK_BLEND_FACTOR_ONE;
    colorBlendAttachment.dstAlphaBlendFactor = VK_BLEND_FACTOR_ZERO;
    colorBlendAttachment.alphaBlendOp = VK_BLEND_OP_ADD;
    return colorBlendAttachments;
}

} // namespace

ParticleDrawPipeline::ParticleDrawPipeline(std::string vertPath, std::string fragPath, std::string geomPath,
                                           BufferUtils bufferUtils, VkRenderPass renderPass, int colorAttachmentCount)
    : GraphicsPipeline(bufferUtils, renderPass)
{
    createDescriptorSetLayout();
    const auto attributeDescriptions = Particle::getAttributeDescriptions();
    GraphicsPipelineState pipelineState{};
    pipelineState.bindingDescription = Particle::getBindingDescription();
    pipelineState.attributeDescriptions = {attributeDescriptions.begin(), attributeDescriptions.end()};
    pipelineState.topology = VK_PRIMITIVE_TOPOLOGY_POINT_LIST;
    pipelineState.cullMode = VK_CULL_MODE_BACK_BIT;
    pipelineState.depthTestEnable = VK_TRUE;
    pipelineState.depthWriteEnable = VK_TRUE;
    pipelineState.colorBlendAttachments = particleBlendAttachments(colorAttachmentCount);
    pipelineState.pushConstantRange = {VK_SHADER_STAGE_GEOMETRY_BIT, 0, sizeof(glm::mat4)};
    build({vertPath, fragPath, geomPath}, pipelineState);
}

void ParticleDrawPipeline::createDescriptorSetLayout()
{
    const VkDescriptorSetLayoutBinding uboLayoutBinding =
        layoutBinding(0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, VK_SHADER_STAGE_VERTEX_BIT | VK_SHADER_STAGE_GEOMETRY_BIT);
    descriptorSetLayout =
        makeDescriptorSetLayout(device, {uboLayoutBinding}, "failed to create descriptor set layout!");
}
