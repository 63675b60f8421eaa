#pragma once

#include "base/BufferUtils.h"

// Sampler of the mesh textures and normal maps: as much anisotropy as the
// device allows.
VkSampler createTextureSampler(const BufferUtils& bufferUtils);

// Sampler of the cubemaps and the G-buffer targets: a fixed, moderate
// anisotropy and a white border.
VkSampler createRenderTargetSampler(const BufferUtils& bufferUtils);

// Sampler of the depth cubes: depth formats need not support linear filtering.
VkSampler createDepthCubeSampler(const BufferUtils& bufferUtils);
