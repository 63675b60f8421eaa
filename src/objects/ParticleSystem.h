#pragma once

#include "base/BufferUtils.h"

#include <optional>
#include <vector>

// The particle state: two device-local buffers of Particle records that the
// compute step uses alternately as input and output. Both start identical.
class ParticleSystem {
public:
    // The demo seeds the initial particles from the clock; a fixed seed gives
    // the same dust on every run.
    ParticleSystem(BufferUtils bufferUtils, int particleCount, std::optional<unsigned> seed = std::nullopt);

    int getParticleCount() const { return particleCount; }
    std::vector<VkBuffer> getStorageBuffers() const { return storageBuffers; }

    void cleanup();

private:
    void createStorageBuffers(unsigned seed);

    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    std::vector<VkBuffer> storageBuffers;
    std::vector<VkDeviceMemory> storageBuffersMemory;
    int particleCount = 0;
};
