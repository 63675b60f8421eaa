#pragma once

#include "textures/Material.h"

#include <vulkan/vulkan.h>

// A cube texture as the cube-drawing object sees it: one view per frame in
// flight (a static cube returns the same view for both) and one sampler.
class CubemapTexture : public Material {
public:
    virtual void cleanup() override = 0;
    virtual VkImageView& getImageView(int frameIndex) = 0;
    virtual VkSampler& getSampler() = 0;
    virtual ~CubemapTexture() = default;

protected:
    int layerCount = 6;
};
