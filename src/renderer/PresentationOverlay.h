#pragma once

#include <vulkan/vulkan.h>

// Something drawn over the lit frame, inside the presentation render pass and
// after the lighting draw, so it reaches neither the G-buffer nor the
// environment faces. A frame being read back is drawn without it.
class PresentationOverlay {
public:
    virtual ~PresentationOverlay() = default;
    virtual void record(VkCommandBuffer commandBuffer) = 0;
};
