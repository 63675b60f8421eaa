#pragma once

#include <vulkan/vulkan.h>

#include <cstdint>

// The vertex-input records of the one binding every vertex buffer uses.
inline VkVertexInputBindingDescription perVertexBinding(uint32_t stride)
{
    VkVertexInputBindingDescription bindingDescription{};
    bindingDescription.binding = 0;
    bindingDescription.stride = stride;
    bindingDescription.inputRate = VK_VERTEX_INPUT_RATE_VERTEX;
    return bindingDescription;
}

inline VkVertexInputAttributeDescription vertexAttribute(uint32_t location, VkFormat format, uint32_t offset)
{
    VkVertexInputAttributeDescription description{};
    description.binding = 0;
    description.location = location;
    description.format = format;
    description.offset = offset;
    return description;
}
