#pragma once

#include "VulkanTestContext.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// One Vulkan device per test suite (creating an instance with validation is
// slow); each test sees only the validation messages raised while it ran.
class GpuTestSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sharedContext = std::make_unique<VulkanTestContext>(); }
    static void TearDownTestSuite() { sharedContext.reset(); }

    void SetUp() override { messagesBefore = sharedContext->validationMessages().size(); }

    static VulkanTestContext& context() { return *sharedContext; }
    static BufferUtils bufferUtils() { return sharedContext->bufferUtils(); }
    static VkDevice device() { return sharedContext->device(); }

    std::vector<std::string> newValidationMessages() const {
        const std::vector<std::string>& messages = sharedContext->validationMessages();
        return {messages.begin() + static_cast<std::ptrdiff_t>(messagesBefore), messages.end()};
    }

    // Submits a barrier that claims the image is in `layout`; the validation
    // layer reports the submission if the image is really in another layout.
    static void assertLayout(VkImage image, VkImageAspectFlags aspectMask, uint32_t layerCount,
                             VkImageLayout layout) {
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
        vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT,
                             VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT, 0, 0, nullptr, 0, nullptr, 1, &barrier);
        utils.endSingleTimeCommands(commandBuffer);
    }

private:
    static inline std::unique_ptr<VulkanTestContext> sharedContext;
    size_t messagesBefore = 0;
};
