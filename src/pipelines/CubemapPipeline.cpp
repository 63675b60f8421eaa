#include "pipelines/CubemapPipeline.h"

#include "scene/Vertex.h"
#include "base/PipelineLayouts.h"

CubemapPipeline::CubemapPipeline(std::string vertPath, std::string fragPath, BufferUtils bufferUtils,
                                 VkRenderPass renderPass, int colorAttachmentCount)
    : GraphicsPipeline(bufferUtils, renderPass)
{
    createDescriptorSetLayout();
    const auto attributeDescriptions = Vertex::getPositionNormalAttributeDescriptions();
    GraphicsPipelineState pipelineState{};
    pipelineState.bindingDescription = Vertex::getBindingDescription();
    pipelineState.attributeDescriptions = {attributeDescriptions.begin(), attributeDescriptions.end()};
    pipelineState.topology = VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST;
    pipelineState.cullMode = VK_CULL_MODE_BACK_BIT;
    pipelineState.depthTestEnable = VK_TRUE;
    pipelineState.depthWriteEnable = VK_FALSE;
    // The sky is drawn at the far plane after everything opaque, onto the
    // pixels whose depth is still the cleared 1.0.
    pipelineState.depthCompareOp = VK_COMPARE_OP_LESS_OR_EQUAL;
    pipelineState.colorBlendAttachments = opaqueBlendAttachments(colorAttachmentCount);
    pipelineState.pushConstantRange = {VK_SHADER_STAGE_VERTEX_BIT, 0, sizeof(glm::mat4)};
    build({vertPath, fragPath, ""}, pipelineState);
}

void CubemapPipeline::createDescriptorSetLayout()
{
    const VkDescriptorSetLayoutBinding uboLayoutBinding =
        layoutBinding(0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, VK_SHADER_STAGE_VERTEX_BIT);
    const VkDescriptorSetLayoutBinding samplerLayoutBinding =
        layoutBinding(1, VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, VK_SHADER_STAGE_FRAGMENT_BIT);
    descriptorSetLayout = makeDescriptorSetLayout(device, {uboLayoutBinding, samplerLayoutBinding},
                                                  "failed to create descriptor set layout!");
}
