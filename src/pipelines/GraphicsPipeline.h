#pragma once

#include "pipelines/Pipeline.h"

#include <string>
#include <vector>

// One pipeline of a set built from the same shaders: the value of the fragment shader's
// specialisation constant 0 (a 32-bit int) and the depth test the pipeline makes.
struct FragmentVariant {
    int32_t specialisation;
    VkBool32 depthTestEnable;
    VkCompareOp depthCompareOp;
};

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
    // A range of size 0 for a pipeline that takes no push constants.
    VkPushConstantRange pushConstantRange;
    VkCompareOp depthCompareOp = VK_COMPARE_OP_LESS;
    // One pipeline is built for each, the first of them being getPipeline(); each takes its own
    // depth test instead of the two above. Empty: one pipeline, unspecialised.
    std::vector<FragmentVariant> fragmentVariants;
};

struct ShaderPaths {
    std::string vertex;
    std::string fragment;
    std::string geometry; // empty when the pipeline has no geometry stage
};

// Unblended writes of all four channels to each of count attachments.
std::vector<VkPipelineColorBlendAttachmentState> opaqueBlendAttachments(int count);

// The common half of the five graphics pipeline classes.
class GraphicsPipeline : public Pipeline {
public:
    // Replaces the pipeline by one for subpass 0 of another render pass, for
    // a pass whose attachment formats have changed. The layouts stay, so the
    // descriptor sets made for them stay valid. The GPU must be done with the
    // old pipeline.
    void rebuildFor(VkRenderPass newRenderPass);
    // The pipeline built for entry `index` of the state's fragment variants.
    VkPipeline getSpecialised(size_t index) const { return specialised.at(index); }
    void cleanup() override;

protected:
    GraphicsPipeline() = default;
    GraphicsPipeline(BufferUtils bufferUtils, VkRenderPass renderPass);

    // Builds the layout and the pipeline for subpass 0 of renderPass. Needs
    // descriptorSetLayout already made; on failure it releases everything made
    // so far, the set layout included.
    void build(const ShaderPaths& paths, const GraphicsPipelineState& pipelineState);

private:
    // Reads the shaders and makes the pipelines; the modules live only for the call.
    void createPipeline();
    void createPipelineObjects(const std::vector<VkPipelineShaderStageCreateInfo>& shaderStages);
    void destroyPipelines();

    ShaderPaths shaderPaths;
    GraphicsPipelineState state{};
    // Every pipeline built, one per fragment specialisation; `pipeline` is the first.
    std::vector<VkPipeline> specialised;
};
