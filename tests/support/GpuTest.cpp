#include "GpuTest.h"

void GpuTest::SetUpTestSuite()
{
    sharedContext = std::make_unique<VulkanTestContext>();
}

void GpuTest::TearDownTestSuite()
{
    sharedContext.reset();
}

GpuTest::GpuTest() : messagesTaken(sharedContext->validationMessages().size()) {}

// The check runs here rather than in TearDown so that a fixture overriding
// TearDown cannot skip it, and so that it also sees what the fixture's members
// report as they are destroyed.
GpuTest::~GpuTest()
{
    const std::vector<std::string> unexpected = takeValidationMessages();
    EXPECT_TRUE(unexpected.empty()) << ::testing::PrintToString(unexpected);
}

std::vector<std::string> GpuTest::takeValidationMessages()
{
    const std::vector<std::string>& messages = sharedContext->validationMessages();
    const std::vector<std::string> taken(messages.begin() + static_cast<std::ptrdiff_t>(messagesTaken), messages.end());
    messagesTaken = messages.size();
    return taken;
}

void GpuTest::assertLayout(VkImage image, VkImageAspectFlags aspectMask, uint32_t layerCount, VkImageLayout layout)
{
    VkImageMemoryBarrier barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
    barrier.oldLayout = layout;
    barrier.newLayout = layout;
    barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
    barrier.image = image;
    barrier.subresourceRange = {aspectMask, 0, 1, 0, layerCount};
    barrier.srcAccessMask = VK_ACCESS_SHADER_READ_BIT;
    barrier.dstAccessMask = VK_ACCESS_SHADER_READ_BIT;
    const BufferUtils utils = bufferUtils();
    VkCommandBuffer commandBuffer = utils.beginSingleTimeCommands();
    vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT, VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT, 0,
                         0, nullptr, 0, nullptr, 1, &barrier);
    utils.endSingleTimeCommands(commandBuffer);
}
