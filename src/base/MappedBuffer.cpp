#include "base/MappedBuffer.h"

#include "constants/FramesInFlight.h"

std::vector<MappedBuffer> createMappedUniformBuffers(const BufferUtils& bufferUtils, VkDeviceSize bufferSize)
{
    std::vector<MappedBuffer> buffers(MAX_FRAMES_IN_FLIGHT);
    for (MappedBuffer& frameBuffer : buffers) {
        bufferUtils.createBuffer(bufferSize, VK_BUFFER_USAGE_UNIFORM_BUFFER_BIT,
                                 VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT,
                                 frameBuffer.buffer, frameBuffer.memory);
        vkMapMemory(bufferUtils.getDevice(), frameBuffer.memory, 0, bufferSize, 0, &frameBuffer.mapped);
    }
    return buffers;
}

void destroyMappedBuffers(VkDevice device, const std::vector<MappedBuffer>& buffers)
{
    for (const MappedBuffer& frameBuffer : buffers) {
        vkDestroyBuffer(device, frameBuffer.buffer, nullptr);
        vkFreeMemory(device, frameBuffer.memory, nullptr);
    }
}
