#pragma once

#include "base/BufferUtils.h"
#include "scene/Particle.h"

#include <optional>
#include <vector>

// The particle state: two device-local buffers of Particle records that the
// compute step uses alternately as input and output. Both start identical.
// An index buffer lists the particles that carry dust, the only ones drawn.
class ParticleSystem {
public:
    // The demo seeds the initial particles from the clock; a fixed seed gives
    // the same dust on every run.
    ParticleSystem(BufferUtils bufferUtils, int particleCount, std::optional<unsigned> seed = std::nullopt);

    int getParticleCount() const { return particleCount; }
    std::vector<VkBuffer> getStorageBuffers() const { return storageBuffers; }
    // VK_NULL_HANDLE when no particle carries dust.
    VkBuffer getCarrierIndexBuffer() const { return carrierIndexBuffer; }
    uint32_t getCarrierCount() const { return carrierCount; }

    void cleanup();

private:
    void createStorageBuffers(const std::vector<Particle>& particles);
    void createCarrierIndexBuffer(const std::vector<Particle>& particles);

    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    std::vector<VkBuffer> storageBuffers;
    std::vector<VkDeviceMemory> storageBuffersMemory;
    VkBuffer carrierIndexBuffer = VK_NULL_HANDLE;
    VkDeviceMemory carrierIndexBufferMemory = VK_NULL_HANDLE;
    uint32_t carrierCount = 0;
    int particleCount = 0;
};
