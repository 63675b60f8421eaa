#include "GpuTest.h"

#include "base/StagingBuffer.h"

#include <stdexcept>
#include <vector>

class BufferUtilsTest : public GpuTest {};

namespace {

std::vector<char> bytePattern(size_t size, int seed)
{
    std::vector<char> pattern(size);
    for (size_t i = 0; i < pattern.size(); i++) {
        pattern[i] = static_cast<char>(i * 7 + seed);
    }
    return pattern;
}

} // namespace

TEST_F(BufferUtilsTest, DeviceLocalUploadHoldsEveryByte)
{
    const BufferUtils utils = bufferUtils();
    const std::vector<char> pattern = bytePattern(1000, 3);

    VkBuffer deviceBuffer;
    VkDeviceMemory deviceBufferMemory;
    utils.createDeviceLocalBuffer(pattern.data(), pattern.size(), VK_BUFFER_USAGE_TRANSFER_SRC_BIT, deviceBuffer,
                                  deviceBufferMemory);

    EXPECT_EQ(context().readBuffer(deviceBuffer, pattern.size()), pattern);

    vkDestroyBuffer(device(), deviceBuffer, nullptr);
    vkFreeMemory(device(), deviceBufferMemory, nullptr);
}

TEST_F(BufferUtilsTest, StagingPiecesFollowEachOtherThroughACopy)
{
    const BufferUtils utils = bufferUtils();
    constexpr VkDeviceSize pieceSize = 500;
    const std::vector<char> first = bytePattern(pieceSize, 3);
    const std::vector<char> second = bytePattern(pieceSize, 11);
    const StagingBuffer staging(utils, {first.data(), second.data()}, pieceSize);

    VkBuffer deviceBuffer;
    VkDeviceMemory deviceBufferMemory;
    utils.createBuffer(2 * pieceSize, VK_BUFFER_USAGE_TRANSFER_DST_BIT | VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                       VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, deviceBuffer, deviceBufferMemory);
    utils.copyBuffer(staging.get(), deviceBuffer, 2 * pieceSize);

    std::vector<char> both = first;
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_EQ(context().readBuffer(deviceBuffer, 2 * pieceSize), both);

    vkDestroyBuffer(device(), deviceBuffer, nullptr);
    vkFreeMemory(device(), deviceBufferMemory, nullptr);
}

TEST_F(BufferUtilsTest, MemoryTypeSearchHonoursFilterAndProperties)
{
    const BufferUtils utils = bufferUtils();
    VkPhysicalDeviceMemoryProperties memProperties;
    vkGetPhysicalDeviceMemoryProperties(context().physicalDevice(), &memProperties);

    // No requested properties: the lowest type the filter allows.
    for (uint32_t i = 0; i < memProperties.memoryTypeCount; i++) {
        EXPECT_EQ(utils.findMemoryType(1u << i, 0), i);
    }
    EXPECT_EQ(utils.findMemoryType(~0u, 0), 0u);

    uint32_t hostVisibleTypes = 0;
    for (uint32_t i = 0; i < memProperties.memoryTypeCount; i++) {
        if (memProperties.memoryTypes[i].propertyFlags & VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT) {
            hostVisibleTypes |= 1u << i;
        }
    }
    ASSERT_NE(hostVisibleTypes, 0u);
    const uint32_t found = utils.findMemoryType(~0u, VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT);
    EXPECT_TRUE(hostVisibleTypes & (1u << found));

    try {
        utils.findMemoryType(0, 0);
        FAIL() << "an empty type filter must not find a type";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "failed to find suitable memory type!");
    }
    EXPECT_THROW(utils.findMemoryType(~hostVisibleTypes, VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT), std::runtime_error);
}

TEST_F(BufferUtilsTest, FormatSearchTakesTheFirstQualifyingCandidate)
{
    const BufferUtils utils = bufferUtils();
    // A colour format cannot be a depth attachment, so the search moves on to the depth format.
    EXPECT_EQ(utils.findSupportedFormat({VK_FORMAT_R8G8B8A8_UNORM, VK_FORMAT_D32_SFLOAT}, VK_IMAGE_TILING_OPTIMAL,
                                        VK_FORMAT_FEATURE_DEPTH_STENCIL_ATTACHMENT_BIT),
              VK_FORMAT_D32_SFLOAT);
    EXPECT_EQ(utils.findSupportedFormat({VK_FORMAT_R8G8B8A8_UNORM}, VK_IMAGE_TILING_LINEAR,
                                        VK_FORMAT_FEATURE_TRANSFER_SRC_BIT),
              VK_FORMAT_R8G8B8A8_UNORM);
    EXPECT_EQ(utils.findDepthFormat(), VK_FORMAT_D32_SFLOAT);
}

TEST_F(BufferUtilsTest, FormatSearchFindsNothingForAnUnknownTiling)
{
    try {
        bufferUtils().findSupportedFormat({VK_FORMAT_R8G8B8A8_UNORM, VK_FORMAT_D32_SFLOAT},
                                          VK_IMAGE_TILING_DRM_FORMAT_MODIFIER_EXT, 0);
        FAIL() << "a tiling other than linear or optimal must not qualify";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "failed to find supported format!");
    }
}
