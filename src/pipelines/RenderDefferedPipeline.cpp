#include "pipelines/RenderDefferedPipeline.h"

#include "constants/DisplayModes.h"
#include "scene/Vertex.h"
#include "base/PipelineLayouts.h"

RenderDefferedPipeline::RenderDefferedPipeline(std::string vertPath, std::string fragPath, BufferUtils bufferUtils,
                                               VkRenderPass renderPass)
    : GraphicsPipeline(bufferUtils, renderPass)
{
    createDescriptorSetLayout();
    const auto attributeDescriptions = Vertex::getTexCoordAttributeDescriptions();
    GraphicsPipelineState pipelineState{};
    pipelineState.bindingDescription = Vertex::getBindingDescription();
    pipelineState.attributeDescriptions = {attributeDescriptions.begin(), attributeDescriptions.end()};
    pipelineState.topology = VK_PRIMITIVE_TOPOLOGY_TRIANGLE_LIST;
    // The quad lies on the far plane and writes no depth. Where the G-buffer's depth is still
    // the far plane, nothing but the sky was drawn: the final image's lighting passes those
    // pixels by (its test fails there) and the sky's pipeline, the albedo view tested the
    // other way round, copies the sky's finished colour onto them alone. The other views read
    // every pixel the same way and test nothing.
    pipelineState.cullMode = VK_CULL_MODE_NONE;
    pipelineState.depthWriteEnable = VK_FALSE;
    pipelineState.colorBlendAttachments = opaqueBlendAttachments(1);
    pipelineState.pushConstantRange = {};
    for (int mode = 0; mode < DisplayModeCount; mode++) {
        const bool lightsSurfacesOnly = mode == ShowFinal;
        pipelineState.fragmentVariants.push_back({mode, lightsSurfacesOnly ? VK_TRUE : VK_FALSE,
                                                  lightsSurfacesOnly ? VK_COMPARE_OP_GREATER : VK_COMPARE_OP_ALWAYS});
    }
    pipelineState.fragmentVariants.push_back({ShowAlbedo, VK_TRUE, VK_COMPARE_OP_EQUAL});
    build({vertPath, fragPath, ""}, pipelineState);
}

VkPipeline RenderDefferedPipeline::getPipelineFor(DisplayMode mode) const
{
    const bool named = mode >= 0 && mode < DisplayModeCount;
    return getSpecialised(static_cast<size_t>(named ? mode : ShowFinal));
}

std::vector<VkPipeline> RenderDefferedPipeline::getPipelinesFor(DisplayMode mode) const
{
    if (getPipelineFor(mode) != getPipelineFor(ShowFinal)) {
        return {getPipelineFor(mode)};
    }
    return {getPipelineFor(ShowFinal), getSpecialised(DisplayModeCount)};
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
