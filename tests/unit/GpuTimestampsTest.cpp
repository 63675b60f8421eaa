#include "GpuTest.h"

#include "renderer/GpuTimestamps.h"

#include <cmath>

namespace {

// Submits one command buffer that times `pass` of `frame` around a buffer fill.
void timeFill(const BufferUtils& utils, GpuTimestamps& timestamps, uint32_t frame, TimedPass pass, VkBuffer buffer)
{
    VkCommandBuffer commandBuffer = utils.beginSingleTimeCommands();
    timestamps.begin(commandBuffer, frame, pass);
    vkCmdFillBuffer(commandBuffer, buffer, 0, VK_WHOLE_SIZE, 0x5a5a5a5a);
    timestamps.end(commandBuffer, frame, pass);
    utils.endSingleTimeCommands(commandBuffer);
}

} // namespace

class GpuTimestampsTest : public GpuTest {
protected:
    void SetUp() override
    {
        bufferUtils().createBuffer(1 << 20, VK_BUFFER_USAGE_TRANSFER_DST_BIT, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT,
                                   buffer, bufferMemory);
    }
    void TearDown() override
    {
        vkDestroyBuffer(device(), buffer, nullptr);
        vkFreeMemory(device(), bufferMemory, nullptr);
    }

    VkBuffer buffer = VK_NULL_HANDLE;
    VkDeviceMemory bufferMemory = VK_NULL_HANDLE;
};

TEST_F(GpuTimestampsTest, ReportsOnlyThePassesRecordedForEachFrame)
{
    GpuTimestamps timestamps(device(), context().physicalDevice(), 2);
    if (!timestamps.isSupported()) {
        GTEST_SKIP() << "the device keeps no timestamps";
    }
    timeFill(bufferUtils(), timestamps, 1, TimedPass::GBuffer, buffer);
    timeFill(bufferUtils(), timestamps, 0, environmentFace(5), buffer);

    const GpuTimestamps::PassTimes second = timestamps.read(1);
    const GpuTimestamps::PassTimes first = timestamps.read(0);
    for (uint32_t pass = 0; pass < timedPassCount; pass++) {
        const bool timedInSecond = pass == static_cast<uint32_t>(TimedPass::GBuffer);
        const bool timedInFirst = pass == static_cast<uint32_t>(TimedPass::FirstFace) + 5;
        EXPECT_EQ(std::isnan(second[pass]), !timedInSecond) << "pass " << pass;
        EXPECT_EQ(std::isnan(first[pass]), !timedInFirst) << "pass " << pass;
    }
    // A fill of a mebibyte takes well under a second on any device.
    EXPECT_GE(second[static_cast<uint32_t>(TimedPass::GBuffer)], 0.0);
    EXPECT_LT(second[static_cast<uint32_t>(TimedPass::GBuffer)], 1000.0);

    timestamps.cleanup();
}

TEST_F(GpuTimestampsTest, RecordingTheSamePassAgainReplacesItsTimes)
{
    GpuTimestamps timestamps(device(), context().physicalDevice(), 1);
    if (!timestamps.isSupported()) {
        GTEST_SKIP() << "the device keeps no timestamps";
    }
    for (int round = 0; round < 3; round++) {
        timeFill(bufferUtils(), timestamps, 0, TimedPass::Compute, buffer);
        const double milliseconds = timestamps.read(0)[static_cast<uint32_t>(TimedPass::Compute)];
        EXPECT_FALSE(std::isnan(milliseconds)) << "round " << round;
        EXPECT_GE(milliseconds, 0.0);
    }
    timestamps.cleanup();
}

TEST(TimedPassTest, PassesFollowTheSubmissionOrderOfAFrame)
{
    EXPECT_EQ(static_cast<uint32_t>(TimedPass::Compute), 0u);
    EXPECT_EQ(static_cast<uint32_t>(TimedPass::DustLists), 1u);
    EXPECT_EQ(environmentFace(0), TimedPass::FirstFace);
    EXPECT_EQ(static_cast<uint32_t>(environmentFace(5)) + 1, static_cast<uint32_t>(TimedPass::GBuffer));
    EXPECT_EQ(static_cast<uint32_t>(TimedPass::Lighting) + 1, timedPassCount);
}
