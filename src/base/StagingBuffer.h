#pragma once

#include "base/BufferUtils.h"

#include <vector>

// Bytes in host-visible memory on their way to device-local memory: the source
// of the copies of one upload. The buffer is freed when the object goes, also
// when the upload throws half-way.
class StagingBuffer {
public:
    // The contents are the pieces one after another, each pieceSize bytes long.
    StagingBuffer(const BufferUtils& bufferUtils, const std::vector<const void*>& pieces, VkDeviceSize pieceSize);
    ~StagingBuffer();
    StagingBuffer(const StagingBuffer&) = delete;
    StagingBuffer& operator=(const StagingBuffer&) = delete;

    VkBuffer get() const { return buffer; }

private:
    VkDevice device;
    VkBuffer buffer = VK_NULL_HANDLE;
    VkDeviceMemory memory = VK_NULL_HANDLE;
};
