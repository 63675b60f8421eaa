#include "pipelines/DynEnvironmentMapDrawPipeline.h"

#include "scene/Vertex.h"
#include "base/PipelineLayouts.h"
#include "textures/DefferedTexture.h"

DynEnvironmentMapDrawPipeline::DynEnvironmentMapDrawPipeline(std::string vertPath, std::string fragPath,
                                                             BufferUtils bufferUtils, VkRenderPass renderPass)
    : GraphicsPipeline(bufferUtils, renderPass)
{
    createDescriptorSetLayout();
    const auto attributeDescriptions = Vertex::getPositionNormalAttributeDescriptions();
    GraphicsPipelineState pipelineState{};
    pipelineState.bindingDescription = Vertex::getBindingDescription();
    pipelineState.attributeDescriptions = {attributeDescriptions.begin(), attributeDescriptions.end()};
    pipelineState.topology = VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST;
    pipelineState.cullMode = VK_CULL_MODE_FRONT_BIT;
    pipelineState.depthTestEnable = VK_TRUE;
    // The cube is convex and drawn last: its depth changes no other draw, but the lighting
    // pass reads it to tell the mirror in front of the sky from the sky itself.
    pipelineState.depthWriteEnable = VK_TRUE;
    pipelineState.colorBlendAttachments = opaqueBlendAttachments(DefferedTexture::AttachmentCount);
    pipelineState.pushConstantRange = {VK_SHADER_STAGE_VERTEX_BIT, 0, sizeof(glm::mat4)};
    build({vertPath, fragPath, ""}, pipelineState);
}

void DynEnvironmentMapDrawPipeline::createDescriptorSetLayout()
{
    const VkDescriptorSetLayoutBinding uboLayoutBinding =
        layoutBinding(0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, VK_SHADER_STAGE_VERTEX_BIT);
    const VkDescriptorSetLayoutBinding samplerLayoutBinding =
        layoutBinding(1, VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, VK_SHADER_STAGE_FRAGMENT_BIT);
    const VkDescriptorSetLayoutBinding cameraUboLayoutBinding =
        layoutBinding(2, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, VK_SHADER_STAGE_FRAGMENT_BIT);
    const VkDescriptorSetLayoutBinding depthSamplerLayoutBinding =
        layoutBinding(3, VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, VK_SHADER_STAGE_FRAGMENT_BIT);
    descriptorSetLayout = makeDescriptorSetLayout(
        device, {uboLayoutBinding, samplerLayoutBinding, cameraUboLayoutBinding, depthSamplerLayoutBinding},
        "failed to create descriptor set layout!");
}
