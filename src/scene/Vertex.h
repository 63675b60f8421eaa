#pragma once

#include <glm/glm.hpp>
#include <glm/gtx/hash.hpp>
#include <vulkan/vulkan.h>

#include <array>
#include <cstddef>
#include <functional>

// One mesh vertex, laid out exactly as the vertex shaders read it.
struct Vertex {
    glm::vec3 pos{0.0f};
    glm::vec3 normal{0.0f};
    glm::vec2 texCoord{0.0f};
    glm::vec3 tangent{0.0f};
    glm::vec3 bitangent{0.0f};

    static VkVertexInputBindingDescription getBindingDescription();
    static std::array<VkVertexInputAttributeDescription, 5> getAttributeDescriptions();
    static std::array<VkVertexInputAttributeDescription, 2> getPositionNormalAttributeDescriptions();
    // The texture coordinates alone, at location 1.
    static std::array<VkVertexInputAttributeDescription, 1> getTexCoordAttributeDescriptions();

    // Tangent and bitangent are derived data and take no part in identity.
    bool operator==(const Vertex& other) const
    {
        return pos == other.pos && normal == other.normal && texCoord == other.texCoord;
    }
};

static_assert(sizeof(Vertex) == 56, "Vertex must match the vertex-buffer layout");
static_assert(offsetof(Vertex, normal) == 12 && offsetof(Vertex, texCoord) == 24 && offsetof(Vertex, tangent) == 32 &&
                  offsetof(Vertex, bitangent) == 44,
              "Vertex offsets must match the vertex-buffer layout");

namespace std {

template <> struct hash<Vertex> {
    size_t operator()(const Vertex& vertex) const
    {
        return ((hash<glm::vec3>()(vertex.pos) ^ (hash<glm::vec3>()(vertex.normal) << 1)) >> 1) ^
               (hash<glm::vec2>()(vertex.texCoord) << 1);
    }
};

} // namespace std
