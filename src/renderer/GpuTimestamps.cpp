#include "renderer/GpuTimestamps.h"

#include "base/ResultCheck.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// The family the Renderer submits every pass to: the first with graphics.
uint32_t graphicsTimestampBits(VkPhysicalDevice physicalDevice)
{
    uint32_t familyCount = 0;
    vkGetPhysicalDeviceQueueFamilyProperties(physicalDevice, &familyCount, nullptr);
    std::vector<VkQueueFamilyProperties> families(familyCount);
    vkGetPhysicalDeviceQueueFamilyProperties(physicalDevice, &familyCount, families.data());
    for (const VkQueueFamilyProperties& family : families) {
        if (family.queueFlags & VK_QUEUE_GRAPHICS_BIT) {
            return family.timestampValidBits;
        }
    }
    return 0;
}

} // namespace

GpuTimestamps::GpuTimestamps(VkDevice device, VkPhysicalDevice physicalDevice, uint32_t framesInFlight)
    : device(device), frameCount(framesInFlight)
{
    const uint32_t validBits = graphicsTimestampBits(physicalDevice);
    if (validBits == 0) {
        return;
    }
    validMask = validBits >= 64 ? ~uint64_t{0} : (uint64_t{1} << validBits) - 1;
    VkPhysicalDeviceProperties properties;
    vkGetPhysicalDeviceProperties(physicalDevice, &properties);
    nanosecondsPerTick = properties.limits.timestampPeriod;

    VkQueryPoolCreateInfo createInfo{};
    createInfo.sType = VK_STRUCTURE_TYPE_QUERY_POOL_CREATE_INFO;
    createInfo.queryType = VK_QUERY_TYPE_TIMESTAMP;
    createInfo.queryCount = 2 * timedPassCount * frameCount;
    checkResult(vkCreateQueryPool(device, &createInfo, nullptr, &queryPool), "failed to create timestamp query pool!");
    recorded.assign(timedPassCount * frameCount, false);
}

uint32_t GpuTimestamps::firstQuery(uint32_t frame, TimedPass pass) const
{
    return 2 * (frame * timedPassCount + static_cast<uint32_t>(pass));
}

void GpuTimestamps::begin(VkCommandBuffer commandBuffer, uint32_t frame, TimedPass pass)
{
    if (!isSupported()) {
        return;
    }
    // Resetting here, in the pass's own command buffer, keeps each pass's pair
    // independent of whether the other passes of the frame were recorded.
    const uint32_t query = firstQuery(frame, pass);
    recorded[query / 2] = true;
    vkCmdResetQueryPool(commandBuffer, queryPool, query, 2);
    vkCmdWriteTimestamp(commandBuffer, VK_PIPELINE_STAGE_TOP_OF_PIPE_BIT, queryPool, query);
}

void GpuTimestamps::end(VkCommandBuffer commandBuffer, uint32_t frame, TimedPass pass) const
{
    if (!isSupported()) {
        return;
    }
    vkCmdWriteTimestamp(commandBuffer, VK_PIPELINE_STAGE_BOTTOM_OF_PIPE_BIT, queryPool, firstQuery(frame, pass) + 1);
}

GpuTimestamps::PassTimes GpuTimestamps::read(uint32_t frame) const
{
    PassTimes times;
    times.fill(std::nan(""));
    if (!isSupported()) {
        return times;
    }
    for (uint32_t pass = 0; pass < timedPassCount; pass++) {
        const uint32_t query = firstQuery(frame, static_cast<TimedPass>(pass));
        if (!recorded[query / 2]) {
            continue;
        }
        // Each query yields its value followed by its availability.
        std::array<uint64_t, 4> pair{};
        vkGetQueryPoolResults(device, queryPool, query, 2, sizeof(pair), pair.data(), 2 * sizeof(uint64_t),
                              VK_QUERY_RESULT_64_BIT | VK_QUERY_RESULT_WITH_AVAILABILITY_BIT);
        if (pair[1] != 0 && pair[3] != 0) {
            const uint64_t ticks = (pair[2] - pair[0]) & validMask;
            times[pass] = static_cast<double>(ticks) * nanosecondsPerTick * 1e-6;
        }
    }
    return times;
}

void GpuTimestamps::cleanup()
{
    if (queryPool == VK_NULL_HANDLE) {
        return;
    }
    vkDestroyQueryPool(device, queryPool, nullptr);
    queryPool = VK_NULL_HANDLE;
}
