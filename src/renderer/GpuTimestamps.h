#pragma once

#include <vulkan/vulkan.h>

#include <array>
#include <cstdint>
#include <vector>

// The passes of one frame whose GPU time is measured, in submission order.
enum class TimedPass : uint32_t { Compute, DustLists, FirstFace, GBuffer = FirstFace + 6, Lighting, Count };

constexpr uint32_t timedPassCount = static_cast<uint32_t>(TimedPass::Count);

inline TimedPass environmentFace(uint32_t face)
{
    return static_cast<TimedPass>(static_cast<uint32_t>(TimedPass::FirstFace) + face);
}

// An optional recorder of GPU timestamps around each pass, one set per frame in
// flight. The Renderer writes into it only when one is attached, so the demo
// records exactly the commands it always did.
class GpuTimestamps {
public:
    using PassTimes = std::array<double, timedPassCount>;

    GpuTimestamps() = default;
    // Creates no query pool when the graphics queue family keeps no valid
    // timestamp bits; begin() and end() then record nothing.
    GpuTimestamps(VkDevice device, VkPhysicalDevice physicalDevice, uint32_t framesInFlight);

    bool isSupported() const { return queryPool != VK_NULL_HANDLE; }

    // Both are recorded outside any render pass.
    void begin(VkCommandBuffer commandBuffer, uint32_t frame, TimedPass pass);
    void end(VkCommandBuffer commandBuffer, uint32_t frame, TimedPass pass) const;

    // Milliseconds of each pass last recorded for `frame`; NaN for a pass never
    // recorded there or whose timestamps are not available yet. Does not wait.
    PassTimes read(uint32_t frame) const;

    void cleanup();

private:
    uint32_t firstQuery(uint32_t frame, TimedPass pass) const;

    VkDevice device = VK_NULL_HANDLE;
    VkQueryPool queryPool = VK_NULL_HANDLE;
    uint32_t frameCount = 0;
    double nanosecondsPerTick = 1.0;
    uint64_t validMask = 0;
    // Queries never reset must not be read back.
    std::vector<bool> recorded;
};
