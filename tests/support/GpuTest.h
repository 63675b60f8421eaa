#pragma once

#include "TempDir.h"
#include "VulkanTestContext.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The base of every test that makes Vulkan objects. The tests of a suite share
// one device, since creating an instance with validation is the slow part on
// the software rasteriser. Each test fails if the validation layer reported
// anything while it ran, whatever its own SetUp and TearDown do, and has a
// directory of its own for fixture files.
class GpuTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    GpuTest();
    ~GpuTest() override;

    static VulkanTestContext& context() { return *sharedContext; }
    static BufferUtils bufferUtils() { return sharedContext->bufferUtils(); }
    static VkDevice device() { return sharedContext->device(); }

    // The messages since the test began or since the last call. A test that
    // provokes the layer on purpose takes them, so that the check at its end
    // sees only the ones it did not expect.
    std::vector<std::string> takeValidationMessages();

    // Submits a barrier that claims the image is in `layout`; the validation
    // layer reports the submission if the image is really in another layout.
    static void assertLayout(VkImage image, VkImageAspectFlags aspectMask, uint32_t layerCount, VkImageLayout layout);

    TempDir dir;

private:
    static inline std::unique_ptr<VulkanTestContext> sharedContext;
    size_t messagesTaken = 0;
};
