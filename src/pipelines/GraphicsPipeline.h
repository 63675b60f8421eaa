#pragma once

#include "pipelines/Pipeline.h"

#include <string>
#include <vector>

// The values in which the five graphics pipelines differ; everything else of
// their fixed-function state is common.
struct GraphicsPipelineState {
    VkVertexInputBindingDescription bindingDescription;
    std::vector<VkVertexInputAttributeDescription> attributeDescriptions;
    VkPrimitiveTopology topology;
    VkCullModeFlags cullMode;
    VkBool32 depthTestEnable;
    VkBool32 depthWriteEnable;
    // One per colour attachment of subpass 0 of the render pass.
    std::vector<VkPipelineColorBlendAttachmentState> colorBlendAttachments;
    VkPushConstantRange pushConstantRange;
    VkCompareOp depthCompareOp = VK_COMPARE_OP_LESS;
};

struct ShaderPaths {
    std::string vertex;
    std::string fragment;
    std::string geometry;  // empty when the pipeline has no geometry stage
};

// Unblended writes of all four channels to each of count attachments.
std::vector<VkPipelineColorBlendAttachmentState> opaqueBlendAttachments(int count);

// The common half of the five graphics pipeline classes.
class GraphicsPipeline : public Pipeline {
protected:
    GraphicsPipeline() = default;
    GraphicsPipeline(BufferUtils bufferUtils, VkRenderPass renderPass);

    // Reads the shaders, builds the layout and the pipeline for subpass 0 of
    // renderPass, and drops the modules. Needs descriptorSetLayout already made;
    // on failure it releases everything made so far, the set layout included.
    void build(const ShaderPaths& shaderPaths, const GraphicsPipelineState& state);

private:
    void createPipeline(const std::vector<VkPipelineShaderStageCreateInfo>& shaderStages,
                        const GraphicsPipelineState& state);
};
