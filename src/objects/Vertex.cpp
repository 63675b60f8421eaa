#include "objects/Vertex.h"

namespace {

VkVertexInputAttributeDescription attribute(uint32_t location, VkFormat format, uint32_t offset)
{
    VkVertexInputAttributeDescription description{};
    description.binding = 0;
    description.location = location;
    description.format = format;
    description.offset = offset;
    return description;
}

} // namespace

VkVertexInputBindingDescription Vertex::getBindingDescription()
{
    VkVertexInputBindingDescription bindingDescription{};
    bindingDescription.binding = 0;
    bindingDescription.stride = sizeof(Vertex);
    bindingDescription.inputRate = VK_VERTEX_INPUT_RATE_VERTEX;
    return bindingDescription;
}

std::array<VkVertexInputAttributeDescription, 5> Vertex::getAttributeDescriptions()
{
    return {attribute(0, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, pos)),
            attribute(1, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, normal)),
            attribute(2, VK_FORMAT_R32G32_SFLOAT, offsetof(Vertex, texCoord)),
            attribute(3, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, tangent)),
            attribute(4, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, bitangent))};
}

std::array<VkVertexInputAttributeDescription, 2> Vertex::getPositionNormalAttributeDescriptions()
{
    return {attribute(0, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, pos)),
            attribute(1, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, normal))};
}

std::array<VkVertexInputAttributeDescription, 2> Vertex::getPositionTexCoordAttributeDescriptions()
{
    return {attribute(0, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, pos)),
            attribute(1, VK_FORMAT_R32G32_SFLOAT, offsetof(Vertex, texCoord))};
}
