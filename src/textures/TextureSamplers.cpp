#include "textures/TextureSamplers.h"

#include "base/ResultCheck.h"

#include <stdexcept>

namespace {

VkSamplerCreateInfo linearRepeatSamplerInfo()
{
    VkSamplerCreateInfo samplerInfo{};
    samplerInfo.sType = VK_STRUCTURE_TYPE_SAMPLER_CREATE_INFO;
    samplerInfo.magFilter = VK_FILTER_LINEAR;
    samplerInfo.minFilter = VK_FILTER_LINEAR;
    samplerInfo.mipmapMode = VK_SAMPLER_MIPMAP_MODE_LINEAR;
    samplerInfo.addressModeU = VK_SAMPLER_ADDRESS_MODE_REPEAT;
    samplerInfo.addressModeV = VK_SAMPLER_ADDRESS_MODE_REPEAT;
    samplerInfo.addressModeW = VK_SAMPLER_ADDRESS_MODE_REPEAT;
    samplerInfo.mipLodBias = 0.0f;
    samplerInfo.compareEnable = VK_FALSE;
    samplerInfo.minLod = 0.0f;
    samplerInfo.unnormalizedCoordinates = VK_FALSE;
    return samplerInfo;
}

// A software rasteriser evaluates every anisotropic tap on the CPU: on lavapipe
// it turns a frame of about one second into minutes. The textures carry no mip
// chain, so a CPU device loses almost nothing by sampling them isotropically.
bool anisotropyPaysOff(VkPhysicalDevice physicalDevice)
{
    VkPhysicalDeviceProperties properties{};
    vkGetPhysicalDeviceProperties(physicalDevice, &properties);
    return properties.deviceType != VK_PHYSICAL_DEVICE_TYPE_CPU;
}

VkSampler createSampler(VkDevice device, const VkSamplerCreateInfo& samplerInfo)
{
    VkSampler sampler;
    checkResult(vkCreateSampler(device, &samplerInfo, nullptr, &sampler), "failed to create texture sampler!");
    return sampler;
}

} // namespace

VkSampler createTextureSampler(const BufferUtils& bufferUtils)
{
    VkPhysicalDeviceProperties properties{};
    vkGetPhysicalDeviceProperties(bufferUtils.getPhysicalDevice(), &properties);

    VkSamplerCreateInfo samplerInfo = linearRepeatSamplerInfo();
    samplerInfo.anisotropyEnable = anisotropyPaysOff(bufferUtils.getPhysicalDevice()) ? VK_TRUE : VK_FALSE;
    samplerInfo.maxAnisotropy = properties.limits.maxSamplerAnisotropy;
    samplerInfo.compareOp = VK_COMPARE_OP_ALWAYS;
    samplerInfo.maxLod = 0.0f;
    samplerInfo.borderColor = VK_BORDER_COLOR_INT_OPAQUE_BLACK;
    return createSampler(bufferUtils.getDevice(), samplerInfo);
}

VkSampler createRenderTargetSampler(const BufferUtils& bufferUtils)
{
    VkSamplerCreateInfo samplerInfo = linearRepeatSamplerInfo();
    samplerInfo.anisotropyEnable = anisotropyPaysOff(bufferUtils.getPhysicalDevice()) ? VK_TRUE : VK_FALSE;
    samplerInfo.maxAnisotropy = 4.0f;
    samplerInfo.compareOp = VK_COMPARE_OP_NEVER;
    samplerInfo.maxLod = 1.0f;
    samplerInfo.borderColor = VK_BORDER_COLOR_FLOAT_OPAQUE_WHITE;
    return createSampler(bufferUtils.getDevice(), samplerInfo);
}

VkSampler createDepthCubeSampler(const BufferUtils& bufferUtils)
{
    VkSamplerCreateInfo samplerInfo = linearRepeatSamplerInfo();
    samplerInfo.magFilter = VK_FILTER_NEAREST;
    samplerInfo.minFilter = VK_FILTER_NEAREST;
    samplerInfo.mipmapMode = VK_SAMPLER_MIPMAP_MODE_NEAREST;
    samplerInfo.anisotropyEnable = VK_FALSE;
    samplerInfo.maxAnisotropy = 1.0f;
    samplerInfo.compareOp = VK_COMPARE_OP_NEVER;
    samplerInfo.maxLod = 1.0f;
    samplerInfo.borderColor = VK_BORDER_COLOR_FLOAT_OPAQUE_WHITE;
    return createSampler(bufferUtils.getDevice(), samplerInfo);
}
