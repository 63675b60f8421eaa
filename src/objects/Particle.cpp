#include "objects/Particle.h"

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

VkVertexInputBindingDescription Particle::getBindingDescription()
{
    VkVertexInputBindingDescription bindingDescription{};
    bindingDescription.binding = 0;
    bindingDescription.stride = sizeof(Particle);
    bindingDescription.inputRate = VK_VERTEX_INPUT_RATE_VERTEX;
    return bindingDescription;
}

// Velocity and start position stay in the storage buffers; the draw does not need them.
std::array<VkVertexInputAttributeDescription, 6> Particle::getAttributeDescriptions()
{
    return {attribute(0, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Particle, position)),
            attribute(1, VK_FORMAT_R32G32B32A32_SFLOAT, offsetof(Particle, color)),
            attribute(2, VK_FORMAT_R32_SFLOAT, offsetof(Particle, angle)),
            attribute(3, VK_FORMAT_R32_SFLOAT, offsetof(Particle, age)),
            attribute(4, VK_FORMAT_R32G32B32_SFLOAT, offsetof(Particle, randomVector)),
            attribute(5, VK_FORMAT_R32_SFLOAT, offsetof(Particle, lifetime))};
}
