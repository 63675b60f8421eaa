#include "scene/Vertex.h"

#include "scene/VertexInput.h"

VkVertexInputBindingDescription Vertex::getBindingDescription()
{
    return perVertexBinding(sizeof(Vertex));
}

std::array<VkVertexInputAttributeDescription, 5> Vertex::getAttributeDescriptions()
{
    return {vertexAttribute(0, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, pos)),
            vertexAttribute(1, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, normal)),
            vertexAttribute(2, VK_FORMAT_R32G32_SFLOAT, offsetof(Vertex, texCoord)),
            vertexAttribute(3, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, tangent)),
            vertexAttribute(4, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, bitangent))};
}

std::array<VkVertexInputAttributeDescription, 2> Vertex::getPositionNormalAttributeDescriptions()
{
    return {vertexAttribute(0, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, pos)),
            vertexAttribute(1, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Vertex, normal))};
}

std::array<VkVertexInputAttributeDescription, 1> Vertex::getTexCoordAttributeDescriptions()
{
    return {vertexAttribute(1, VK_FORMAT_R32G32_SFLOAT, offsetof(Vertex, texCoord))};
}
