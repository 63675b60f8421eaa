#include "pipelines/GraphicsPipeline.h"

#include "base/ResultCheck.h"

#include "base/PipelineLayouts.h"
#include "timing/StartupTally.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

VkPipelineShaderStageCreateInfo shaderStage(VkShaderStageFlagBits stage, VkShaderModule shaderModule)
{
    VkPipelineShaderStageCreateInfo stageInfo{};
    stageInfo.sType = VK_STRUCTURE_TYPE_PIPELINE_SHADER_STAGE_CREATE_INFO;
    stageInfo.stage = stage;
    stageInfo.module = shaderModule;
    stageInfo.pName = "main";
    return stageInfo;
}

// The create-infos below point into the pipeline's own state and into
// namespace-scope data, both of which outlive the pipeline's creation.

VkPipelineVertexInputStateCreateInfo vertexInputState(const GraphicsPipelineState& state)
{
    VkPipelineVertexInputStateCreateInfo vertexInputInfo{};
    vertexInputInfo.sType = VK_STRUCTURE_TYPE_PIPELINE_VERTEX_INPUT_STATE_CREATE_INFO;
    vertexInputInfo.vertexBindingDescriptionCount = 1;
    vertexInputInfo.pVertexBindingDescriptions = &state.bindingDescription;
    vertexInputInfo.vertexAttributeDescriptionCount = static_cast<uint32_t>(state.attributeDescriptions.size());
    vertexInputInfo.pVertexAttributeDescriptions = state.attributeDescriptions.data();
    return vertexInputInfo;
}

VkPipelineInputAssemblyStateCreateInfo inputAssemblyState(VkPrimitiveTopology topology)
{
    VkPipelineInputAssemblyStateCreateInfo inputAssembly{};
    inputAssembly.sType = VK_STRUCTURE_TYPE_PIPELINE_INPUT_ASSEMBLY_STATE_CREATE_INFO;
    inputAssembly.topology = topology;
    inputAssembly.primitiveRestartEnable = VK_FALSE;
    return inputAssembly;
}

// Viewport and scissor are set by every recording, so a resized swap chain
// needs no new pipeline.
VkPipelineViewportStateCreateInfo dynamicViewportState()
{
    VkPipelineViewportStateCreateInfo viewportState{};
    viewportState.sType = VK_STRUCTURE_TYPE_PIPELINE_VIEWPORT_STATE_CREATE_INFO;
    viewportState.viewportCount = 1;
    viewportState.scissorCount = 1;
    return viewportState;
}

const std::array<VkDynamicState, 2> viewportAndScissor = {VK_DYNAMIC_STATE_VIEWPORT, VK_DYNAMIC_STATE_SCISSOR};

VkPipelineDynamicStateCreateInfo viewportAndScissorDynamicState()
{
    VkPipelineDynamicStateCreateInfo dynamicState{};
    dynamicState.sType = VK_STRUCTURE_TYPE_PIPELINE_DYNAMIC_STATE_CREATE_INFO;
    dynamicState.dynamicStateCount = static_cast<uint32_t>(viewportAndScissor.size());
    dynamicState.pDynamicStates = viewportAndScissor.data();
    return dynamicState;
}

VkPipelineRasterizationStateCreateInfo rasterizationState(VkCullModeFlags cullMode)
{
    VkPipelineRasterizationStateCreateInfo rasterizer{};
    rasterizer.sType = VK_STRUCTURE_TYPE_PIPELINE_RASTERIZATION_STATE_CREATE_INFO;
    rasterizer.depthClampEnable = VK_FALSE;
    rasterizer.rasterizerDiscardEnable = VK_FALSE;
    rasterizer.polygonMode = VK_POLYGON_MODE_FILL;
    rasterizer.lineWidth = 1.0f;
    rasterizer.cullMode = cullMode;
    rasterizer.frontFace = VK_FRONT_FACE_COUNTER_CLOCKWISE;
    rasterizer.depthBiasEnable = VK_FALSE;
    return rasterizer;
}

VkPipelineMultisampleStateCreateInfo singleSampleState()
{
    VkPipelineMultisampleStateCreateInfo multisampling{};
    multisampling.sType = VK_STRUCTURE_TYPE_PIPELINE_MULTISAMPLE_STATE_CREATE_INFO;
    multisampling.sampleShadingEnable = VK_FALSE;
    multisampling.rasterizationSamples = VK_SAMPLE_COUNT_1_BIT;
    return multisampling;
}

VkPipelineDepthStencilStateCreateInfo depthStencilState(const GraphicsPipelineState& state)
{
    VkPipelineDepthStencilStateCreateInfo depthStencil{};
    depthStencil.sType = VK_STRUCTURE_TYPE_PIPELINE_DEPTH_STENCIL_STATE_CREATE_INFO;
    depthStencil.depthTestEnable = state.depthTestEnable;
    depthStencil.depthWriteEnable = state.depthWriteEnable;
    depthStencil.depthCompareOp = state.depthCompareOp;
    depthStencil.depthBoundsTestEnable = VK_FALSE;
    depthStencil.stencilTestEnable = VK_FALSE;
    return depthStencil;
}

VkPipelineColorBlendStateCreateInfo
colorBlendState(const std::vector<VkPipelineColorBlendAttachmentState>& colorBlendAttachments)
{
    VkPipelineColorBlendStateCreateInfo colorBlending{};
    colorBlending.sType = VK_STRUCTURE_TYPE_PIPELINE_COLOR_BLEND_STATE_CREATE_INFO;
    colorBlending.logicOpEnable = VK_FALSE;
    colorBlending.logicOp = VK_LOGIC_OP_COPY;
    colorBlending.attachmentCount = static_cast<uint32_t>(colorBlendAttachments.size());
    colorBlending.pAttachments = colorBlendAttachments.data();
    return colorBlending;
}

const VkSpecializationMapEntry specialisationConstantZero{0, 0, sizeof(int32_t)};

// The stages of each pipeline to build: the fragment stage specialised to one of the values
// each, or the stages as they are when there are no values.
struct SpecialisedStages {
    std::vector<int32_t> values;
    std::vector<VkSpecializationInfo> infos;
    std::vector<std::vector<VkPipelineShaderStageCreateInfo>> stages;
};

SpecialisedStages specialisedStages(const std::vector<VkPipelineShaderStageCreateInfo>& shaderStages,
                                    const std::vector<FragmentVariant>& variants)
{
    std::vector<int32_t> values;
    for (const FragmentVariant& variant : variants) {
        values.push_back(variant.specialisation);
    }
    SpecialisedStages result{values, std::vector<VkSpecializationInfo>(values.size()), {}};
    result.stages.assign(std::max<size_t>(values.size(), 1), shaderStages);
    for (size_t i = 0; i < values.size(); i++) {
        result.infos[i] = {1, &specialisationConstantZero, sizeof(int32_t), &result.values[i]};
        for (VkPipelineShaderStageCreateInfo& stage : result.stages[i]) {
            if (stage.stage == VK_SHADER_STAGE_FRAGMENT_BIT) {
                stage.pSpecializationInfo = &result.infos[i];
            }
        }
    }
    return result;
}

} // namespace

std::vector<VkPipelineColorBlendAttachmentState> opaqueBlendAttachments(int count)
{
    VkPipelineColorBlendAttachmentState colorBlendAttachment{};
    colorBlendAttachment.colorWriteMask =
        VK_COLOR_COMPONENT_R_BIT | VK_COLOR_COMPONENT_G_BIT | VK_COLOR_COMPONENT_B_BIT | VK_COLOR_COMPONENT_A_BIT;
    colorBlendAttachment.blendEnable = VK_FALSE;
    return std::vector<VkPipelineColorBlendAttachmentState>(static_cast<size_t>(count), colorBlendAttachment);
}

GraphicsPipeline::GraphicsPipeline(BufferUtils bufferUtils, VkRenderPass renderPass) : Pipeline(bufferUtils, renderPass)
{
}

void GraphicsPipeline::build(const ShaderPaths& paths, const GraphicsPipelineState& pipelineState)
{
    shaderPaths = paths;
    state = pipelineState;
    try {
        std::vector<VkPushConstantRange> pushConstantRanges;
        if (state.pushConstantRange.size > 0) {
            pushConstantRanges.push_back(state.pushConstantRange);
        }
        pipelineLayout =
            makePipelineLayout(device, descriptorSetLayout, pushConstantRanges, "failed to create pipeline layout!");
        createPipeline();
    } catch (...) {
        // The constructor is about to throw, so no cleanup() would ever reach these.
        cleanup();
        throw;
    }
}

void GraphicsPipeline::rebuildFor(VkRenderPass newRenderPass)
{
    destroyPipelines();
    renderPass = newRenderPass;
    createPipeline();
}

void GraphicsPipeline::destroyPipelines()
{
    for (VkPipeline built : specialised) {
        vkDestroyPipeline(device, built, nullptr);
    }
    specialised.clear();
    pipeline = VK_NULL_HANDLE;
}

void GraphicsPipeline::cleanup()
{
    destroyPipelines();
    Pipeline::cleanup();
}

void GraphicsPipeline::createPipeline()
{
    const bool hasGeometry = !shaderPaths.geometry.empty();
    VkShaderModule vertShaderModule = VK_NULL_HANDLE;
    VkShaderModule fragShaderModule = VK_NULL_HANDLE;
    VkShaderModule geomShaderModule = VK_NULL_HANDLE;
    auto destroyShaderModules = [&] {
        vkDestroyShaderModule(device, fragShaderModule, nullptr);
        vkDestroyShaderModule(device, vertShaderModule, nullptr);
        vkDestroyShaderModule(device, geomShaderModule, nullptr);
    };
    try {
        const std::vector<char> vertShaderCode = readFile(shaderPaths.vertex);
        const std::vector<char> fragShaderCode = readFile(shaderPaths.fragment);
        const std::vector<char> geomShaderCode = hasGeometry ? readFile(shaderPaths.geometry) : std::vector<char>{};
        vertShaderModule = createShaderModule(vertShaderCode);
        fragShaderModule = createShaderModule(fragShaderCode);
        if (hasGeometry) {
            geomShaderModule = createShaderModule(geomShaderCode);
        }

        std::vector<VkPipelineShaderStageCreateInfo> shaderStages = {
            shaderStage(VK_SHADER_STAGE_VERTEX_BIT, vertShaderModule)};
        if (hasGeometry) {
            shaderStages.push_back(shaderStage(VK_SHADER_STAGE_GEOMETRY_BIT, geomShaderModule));
        }
        shaderStages.push_back(shaderStage(VK_SHADER_STAGE_FRAGMENT_BIT, fragShaderModule));
        createPipelineObjects(shaderStages);
    } catch (...) {
        destroyShaderModules();
        throw;
    }
    destroyShaderModules();
}

void GraphicsPipeline::createPipelineObjects(const std::vector<VkPipelineShaderStageCreateInfo>& shaderStages)
{
    const VkPipelineVertexInputStateCreateInfo vertexInputInfo = vertexInputState(state);
    const VkPipelineInputAssemblyStateCreateInfo inputAssembly = inputAssemblyState(state.topology);
    const VkPipelineViewportStateCreateInfo viewportState = dynamicViewportState();
    const VkPipelineRasterizationStateCreateInfo rasterizer = rasterizationState(state.cullMode);
    const VkPipelineMultisampleStateCreateInfo multisampling = singleSampleState();
    const VkPipelineDepthStencilStateCreateInfo depthStencil = depthStencilState(state);
    const VkPipelineColorBlendStateCreateInfo colorBlending = colorBlendState(state.colorBlendAttachments);
    const VkPipelineDynamicStateCreateInfo dynamicState = viewportAndScissorDynamicState();

    VkGraphicsPipelineCreateInfo pipelineInfo{};
    pipelineInfo.sType = VK_STRUCTURE_TYPE_GRAPHICS_PIPELINE_CREATE_INFO;
    pipelineInfo.stageCount = static_cast<uint32_t>(shaderStages.size());
    pipelineInfo.pStages = shaderStages.data();
    pipelineInfo.pVertexInputState = &vertexInputInfo;
    pipelineInfo.pInputAssemblyState = &inputAssembly;
    pipelineInfo.pViewportState = &viewportState;
    pipelineInfo.pRasterizationState = &rasterizer;
    pipelineInfo.pMultisampleState = &multisampling;
    pipelineInfo.pDepthStencilState = &depthStencil;
    pipelineInfo.pColorBlendState = &colorBlending;
    pipelineInfo.pDynamicState = &dynamicState;
    pipelineInfo.layout = pipelineLayout;
    pipelineInfo.renderPass = renderPass;
    pipelineInfo.subpass = 0;
    pipelineInfo.basePipelineHandle = VK_NULL_HANDLE;

    const SpecialisedStages perPipeline = specialisedStages(shaderStages, state.fragmentVariants);
    std::vector<VkGraphicsPipelineCreateInfo> pipelineInfos(perPipeline.stages.size(), pipelineInfo);
    std::vector<VkPipelineDepthStencilStateCreateInfo> variantDepthTests(state.fragmentVariants.size(), depthStencil);
    for (size_t i = 0; i < pipelineInfos.size(); i++) {
        pipelineInfos[i].pStages = perPipeline.stages[i].data();
        if (i < variantDepthTests.size()) {
            variantDepthTests[i].depthTestEnable = state.fragmentVariants[i].depthTestEnable;
            variantDepthTests[i].depthCompareOp = state.fragmentVariants[i].depthCompareOp;
            pipelineInfos[i].pDepthStencilState = &variantDepthTests[i];
        }
    }

    specialised.resize(pipelineInfos.size());
    StartupTimer timer(StartupCost::Pipelines);
    checkResult(vkCreateGraphicsPipelines(device, VK_NULL_HANDLE, static_cast<uint32_t>(pipelineInfos.size()),
                                          pipelineInfos.data(), nullptr, specialised.data()),
                "failed to create graphics pipeline!");
    pipeline = specialised.front();
}
