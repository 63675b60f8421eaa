#include "scene/Particle.h"

#include "scene/VertexInput.h"

VkVertexInputBindingDescription Particle::getBindingDescription()
{
    return perVertexBinding(sizeof(Particle));
}

// Velocity and start position stay in the storage buffers; the draw does not need them.
std::array<VkVertexInputAttributeDescription, 6> Particle::getAttributeDescriptions()
{
    return {vertexAttribute(0, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Particle, position)),
            vertexAttribute(1, VK_FORMAT_R32G32B32A32_SFLOAT, offsetof(Particle, color)),
            vertexAttribute(2, VK_FORMAT_R32_SFLOAT, offsetof(Particle, angle)),
            vertexAttribute(3, VK_FORMAT_R32_SFLOAT, offsetof(Particle, age)),
            vertexAttribute(4, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Particle, randomVector)),
            vertexAttribute(5, VK_FORMAT_R32_SFLOAT, offsetof(Particle, lifetime))};
}
