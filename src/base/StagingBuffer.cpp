#include "base/StagingBuffer.h"

#include <cstring>

StagingBuffer::StagingBuffer(const BufferUtils& bufferUtils, const std::vector<const void*>& pieces,
                             VkDeviceSize pieceSize)
    : device(bufferUtils.getDevice())
{
    const VkDeviceSize size = pieceSize * pieces.size();
    bufferUtils.createBuffer(size, VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                             VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT, buffer,
                             memory);
    void* data;
    vkMapMemory(device, memory, 0, size, 0, &data);
    for (size_t i = 0; i < pieces.size(); i++) {
        std::memcpy(static_cast<unsigned char*>(data) + i * pieceSize, pieces[i], static_cast<size_t>(pieceSize));
    }
    vkUnmapMemory(device, memory);
}

StagingBuffer::~StagingBuffer()
{
    vkDestroyBuffer(device, buffer, nullptr);
    vkFreeMemory(device, memory, nullptr);
}
