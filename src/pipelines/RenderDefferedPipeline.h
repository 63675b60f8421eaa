#pragma once

#include "constants/DisplayModes.h"
#include "pipelines/GraphicsPipeline.h"

#include <string>
#include <vector>

// The full-screen lighting pass over the G-buffer, into the swap-chain image: one pipeline
// per display mode, the mode being a constant of its fragment shader, so that each runs
// only its own mode's work, and one more that fills in the sky of the final image, whose
// own pipeline lights only the pixels a surface covers. getPipeline() shows the final image.
class RenderDefferedPipeline : public GraphicsPipeline {
public:
    RenderDefferedPipeline() = default;
    RenderDefferedPipeline(std::string vertPath, std::string fragPath, BufferUtils bufferUtils,
                           VkRenderPass renderPass);

    void createDescriptorSetLayout() override;
    // A value that names no mode shows the final image.
    VkPipeline getPipelineFor(DisplayMode mode) const;
    // What a frame draws the full-screen quad with, in order, to show a mode whole.
    std::vector<VkPipeline> getPipelinesFor(DisplayMode mode) const;
};
