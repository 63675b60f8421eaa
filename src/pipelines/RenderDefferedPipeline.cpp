#include "pipelines/RenderDefferedPipeline.h"

#include "constants/DisplayModes.h"
#include "scene/Vertex.h"
#include "base/PipelineLayouts.h"

RenderDefferedPipeline::RenderDefferedPipeline(std::string vertPath, std::string fragPath, BufferUtils bufferUtils,
                                               VkRenderPass renderPass)
    : GraphicsPipeline(bufferUtils, renderPass)
{
    createDescriptorSetLayout();
    const auto attributeDescriptions = Vertex::getPositionTexCoordAttributeDescriptions();
    GraphicsPipelineState pipelineState{};
    pipelineState.bindingDescription = Vertex::getBindingDescription();
    pipelineState.attributeDescriptions = {attributeDescriptions.begin(), attributeDescriptions.end()};
    pipelineState.topology = VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST;
    // The lighting pass covers the screen once: no culling and no depth.
    pipelineState.cullMode = VK_CULL_MODE_NONE;
    pipelineState.depthTestEnable = VK_FALSE;
    pipelineState.depthWriteEnable = VK_FALSE;
    pipelineState.colorBlendAttachments = opaqueBlendAttachments(1);
    pipelineState.pushConstantRange = {};
    for (int mode = 0; mode < DisplayModeCount; mode++) {
        pipelineState.fragmentSpecialisations.push_back(mode);
    }
    build({vertPath, fragPath, ""}, pipelineState);
}

VkPipeline RenderDefferedPipeline::getPipelineFor(DisplayMode mode) const
{
    const bool named = mode >= 0 && mode < DisplayModeCount;
    return getSpecialised(static_cast<size_t>(named ? mode : ShowFinal));
}

void RenderDefferedPipeline::createDescriptorSetLayout()
{
    const VkDescriptorSetLayoutBinding lightUboLayoutBinding =
        layoutBinding(0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, VK_SHADER_STAGE_FRAGMENT_BIT);
    const VkDescriptorSetLayoutBinding albedoSamplerLayoutBinding =
        layoutBinding(1, VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, VK_SHADER_STAGE_FRAGMENT_BIT);
    const VkDescriptorSetLayoutBinding normalSamplerLayoutBinding =
        layoutBinding(2, VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, VK_SHADER_STAGE_FRAGMENT_BIT);
    const VkDescriptorSetLayoutBinding coefficientsSamplerLayoutBinding =
        layoutBinding(3, VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, VK_SHADER_STAGE_FRAGMENT_BIT);
    const VkDescriptorSetLayoutBinding materialSamplerLayoutBinding =
        layoutBinding(4, VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, VK_SHADER_STAGE_FRAGMENT_BIT);
    const VkDescriptorSetLayoutBinding worldPosSamplerLayoutBinding =
        layoutBinding(5, VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, VK_SHADER_STAGE_FRAGMENT_BIT);
    descriptorSetLayout = makeDescriptorSetLayout(device,
                                                  {lightUboLayoutBinding, albedoSamplerLayoutBinding,
                                                   normalSamplerLayoutBinding, coefficientsSamplerLayoutBinding,
                                                   materialSamplerLayoutBinding, worldPosSamplerLayoutBinding},
                                                  "failed to create descriptor set layout!");
}
