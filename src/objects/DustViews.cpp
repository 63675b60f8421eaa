#include "objects/DustViews.h"

#include "base/FrameResources.h"
#include "scene/Particle.h"

#include <cstring>
#include <iterator>
#include <stdexcept>

namespace {

constexpr VkDeviceSize drawRecordSize = sizeof(VkDrawIndexedIndirectCommand);
constexpr VkDeviceSize viewRecordsSize = sizeof(DustView) * DUST_VIEW_LIMIT;

// The lists are written by the listing pass and read by the draws that follow it, in this
// frame's passes on the same queue.
void orderListsBeforeDraws(VkCommandBuffer commandBuffer)
{
    VkMemoryBarrier barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_MEMORY_BARRIER;
    barrier.srcAccessMask = VK_ACCESS_SHADER_WRITE_BIT;
    barrier.dstAccessMask = VK_ACCESS_INDIRECT_COMMAND_READ_BIT | VK_ACCESS_INDEX_READ_BIT;
    vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_COMPUTE_SHADER_BIT,
                         VK_PIPELINE_STAGE_DRAW_INDIRECT_BIT | VK_PIPELINE_STAGE_VERTEX_INPUT_BIT, 0, 1, &barrier, 0,
                         nullptr, 0, nullptr);
}

} // namespace

DustViews::DustViews(BufferUtils bufferUtils, const Pipeline* listPipeline, const ParticleSystem& system)
    : bufferUtils(bufferUtils), device(bufferUtils.getDevice()), pipeline(listPipeline)
{
    if (system.getCarrierCount() == 0) {
        return;
    }
    createBuffers(system.getCarrierCount());
    createDescriptorSets(system);
}

std::vector<VkDescriptorType> DustViews::listBindings()
{
    return {VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER,
            VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER};
}

void DustViews::createBuffers(uint32_t carrierCount)
{
    viewRecords = createMappedUniformBuffers(bufferUtils, viewRecordsSize);
    const VkDeviceSize listSize = sizeof(uint32_t) * static_cast<VkDeviceSize>(carrierCount) * DUST_VIEW_LIMIT;
    for (uint32_t frame = 0; frame < MAX_FRAMES_IN_FLIGHT; frame++) {
        VkBuffer lists;
        VkBuffer draws;
        VkDeviceMemory listMemory;
        VkDeviceMemory drawMemory;
        bufferUtils.createBuffer(listSize,
                                 VK_BUFFER_USAGE_STORAGE_BUFFER_BIT | VK_BUFFER_USAGE_INDEX_BUFFER_BIT |
                                     VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                                 VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, lists, listMemory);
        bufferUtils.createBuffer(drawRecordSize * DUST_VIEW_LIMIT,
                                 VK_BUFFER_USAGE_STORAGE_BUFFER_BIT | VK_BUFFER_USAGE_INDIRECT_BUFFER_BIT |
                                     VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                                 VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, draws, drawMemory);
        listBuffers.push_back(lists);
        drawBuffers.push_back(draws);
        bufferMemory.push_back(listMemory);
        bufferMemory.push_back(drawMemory);
    }
}

void DustViews::createDescriptorSets(const ParticleSystem& system)
{
    descriptorPool = createFramePool(device, {{VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, MAX_FRAMES_IN_FLIGHT},
                                              {VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, MAX_FRAMES_IN_FLIGHT * 4}});
    descriptorSets = allocateFrameSets(device, descriptorPool, pipeline->getDescriptorSetLayout());
    const VkDeviceSize stateSize = sizeof(Particle) * static_cast<VkDeviceSize>(system.getParticleCount());
    const VkDeviceSize carriersSize = sizeof(uint32_t) * static_cast<VkDeviceSize>(system.getCarrierCount());
    for (uint32_t frame = 0; frame < MAX_FRAMES_IN_FLIGHT; frame++) {
        const VkDescriptorBufferInfo infos[] = {wholeRange(viewRecords[frame].buffer, viewRecordsSize),
                                                wholeRange(system.getStorageBuffers()[frame], stateSize),
                                                wholeRange(system.getCarrierIndexBuffer(), carriersSize),
                                                wholeRange(listBuffers[frame], VK_WHOLE_SIZE),
                                                wholeRange(drawBuffers[frame], VK_WHOLE_SIZE)};
        const std::vector<VkDescriptorType> types = listBindings();
        std::vector<VkWriteDescriptorSet> writes;
        for (uint32_t binding = 0; binding < std::size(infos); binding++) {
            writes.push_back(bufferWrite(descriptorSets[frame], binding, types[binding], infos[binding]));
        }
        vkUpdateDescriptorSets(device, static_cast<uint32_t>(writes.size()), writes.data(), 0, nullptr);
    }
}

void DustViews::record(VkCommandBuffer commandBuffer, uint32_t frame, const std::vector<DustView>& views) const
{
    if (views.size() > DUST_VIEW_LIMIT) {
        throw std::logic_error("more views of the dust than lists!");
    }
    if (views.empty() || descriptorSets.empty()) {
        return;
    }
    std::memcpy(viewRecords[frame].mapped, views.data(), sizeof(DustView) * views.size());
    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_COMPUTE, pipeline->getPipeline());
    vkCmdBindDescriptorSets(commandBuffer, VK_PIPELINE_BIND_POINT_COMPUTE, pipeline->getPipelineLayout(), 0, 1,
                            &descriptorSets[frame], 0, nullptr);
    vkCmdDispatch(commandBuffer, static_cast<uint32_t>(views.size()), 1, 1);
    orderListsBeforeDraws(commandBuffer);
}

void DustViews::draw(VkCommandBuffer commandBuffer, uint32_t frame, uint32_t view) const
{
    vkCmdBindIndexBuffer(commandBuffer, listBuffers.at(frame), 0, VK_INDEX_TYPE_UINT32);
    vkCmdDrawIndexedIndirect(commandBuffer, drawBuffers.at(frame), drawRecordSize * view, 1,
                             static_cast<uint32_t>(drawRecordSize));
}

void DustViews::cleanup()
{
    destroyMappedBuffers(device, viewRecords);
    viewRecords.clear();
    for (size_t frame = 0; frame < listBuffers.size(); frame++) {
        vkDestroyBuffer(device, listBuffers[frame], nullptr);
        vkDestroyBuffer(device, drawBuffers[frame], nullptr);
    }
    for (VkDeviceMemory memory : bufferMemory) {
        vkFreeMemory(device, memory, nullptr);
    }
    listBuffers.clear();
    drawBuffers.clear();
    bufferMemory.clear();
    if (descriptorPool != VK_NULL_HANDLE) {
        vkDestroyDescriptorPool(device, descriptorPool, nullptr);
        descriptorPool = VK_NULL_HANDLE;
    }
}
