#pragma once

#include <glm/glm.hpp>
#include <vulkan/vulkan.h>

#include <array>
#include <cstddef>

// One particle, laid out as the compute step's storage buffer (std430) and
// the particle draw's vertex buffer both expect it.
// The padding is spelled out so that every byte uploaded to the GPU is defined (zero).
struct Particle {
    glm::vec3 position{0.0f};
    float padding0 = 0.0f;
    glm::vec3 velocity{0.0f};
    float padding1 = 0.0f;
    glm::vec4 color{0.0f};
    float angle = 0.0f;
    float age = 0.0f;
    float lifetime = 0.0f;
    float padding2 = 0.0f;
    glm::vec3 randomVector{0.0f};
    float padding3 = 0.0f;
    glm::vec3 startPosition{0.0f};
    float padding4 = 0.0f;

    static VkVertexInputBindingDescription getBindingDescription();
    static std::array<VkVertexInputAttributeDescription, 6> getAttributeDescriptions();
};

static_assert(sizeof(Particle) == 96, "Particle must match the storage-buffer layout");
static_assert(offsetof(Particle, velocity) == 16 && offsetof(Particle, color) == 32 &&
                  offsetof(Particle, angle) == 48 && offsetof(Particle, age) == 52 &&
                  offsetof(Particle, lifetime) == 56 && offsetof(Particle, randomVector) == 64 &&
                  offsetof(Particle, startPosition) == 80,
              "Particle offsets must match the storage-buffer layout");
