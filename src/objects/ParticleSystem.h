#pragma once

#include "renderer/BufferUtils.h"

#include <vector>

// The particle state: two device-local buffers of Particle records that the
// compute step uses alternately as input and output. Both start identical.
class ParticleSystem {
public:
    ParticleSystem(BufferUtils bufferUtils, int particleCount);

    int getParticleCount() const { return particleCount; }
    std::vector<VkBuffer> getStorageBuffers() const { return storageBuffers; }

    void cleanup();

private:
    void createStorageBuffers();

    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    std::vector<VkBuffer> storageBuffers;
    std::vector<VkDeviceMemory> storageBuffersMemory;
    int particleCount = 0;
};
