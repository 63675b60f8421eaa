#include "renderer/SwapChainChoice.h"

#include "renderer/RefusedChoice.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

VkSurfaceCapabilitiesKHR capabilities(uint32_t currentWidth, uint32_t currentHeight)
{
    VkSurfaceCapabilitiesKHR caps{};
    caps.currentExtent = {currentWidth, currentHeight};
    caps.minImageExtent = {640, 480};
    caps.maxImageExtent = {2560, 1440};
    caps.minImageCount = 2;
    caps.maxImageCount = 0;
    return caps;
}

} // namespace

TEST(SwapChainChoiceTest, PrefersSrgbBgraAndOtherwiseTakesTheFirstFormat)
{
    const VkSurfaceFormatKHR unorm{VK_FORMAT_B8G8R8A8_UNORM, VK_COLOR_SPACE_SRGB_NONLINEAR_KHR};
    const VkSurfaceFormatKHR srgbOtherSpace{VK_FORMAT_B8G8R8A8_SRGB, VK_COLOR_SPACE_DISPLAY_P3_NONLINEAR_EXT};
    const VkSurfaceFormatKHR srgb{VK_FORMAT_B8G8R8A8_SRGB, VK_COLOR_SPACE_SRGB_NONLINEAR_KHR};

    const VkSurfaceFormatKHR chosen = chooseSwapSurfaceFormat({unorm, srgbOtherSpace, srgb});
    EXPECT_EQ(chosen.format, VK_FORMAT_B8G8R8A8_SRGB);
    EXPECT_EQ(chosen.colorSpace, VK_COLOR_SPACE_SRGB_NONLINEAR_KHR);

    const VkSurfaceFormatKHR fallback = chooseSwapSurfaceFormat({srgbOtherSpace, unorm});
    EXPECT_EQ(fallback.format, VK_FORMAT_B8G8R8A8_SRGB);
    EXPECT_EQ(fallback.colorSpace, VK_COLOR_SPACE_DISPLAY_P3_NONLINEAR_EXT);

    EXPECT_THROW(chooseSwapSurfaceFormat({}), std::runtime_error);
}

TEST(SwapChainChoiceTest, PrefersMailboxAndOtherwiseFifo)
{
    EXPECT_EQ(chooseSwapPresentMode({VK_PRESENT_MODE_FIFO_KHR, VK_PRESENT_MODE_MAILBOX_KHR}),
              VK_PRESENT_MODE_MAILBOX_KHR);
    EXPECT_EQ(chooseSwapPresentMode({VK_PRESENT_MODE_IMMEDIATE_KHR, VK_PRESENT_MODE_FIFO_RELAXED_KHR}),
              VK_PRESENT_MODE_FIFO_KHR);
    EXPECT_EQ(chooseSwapPresentMode({}), VK_PRESENT_MODE_FIFO_KHR);
}

// Lavapipe under Xvfb offers every mode that can be asked for, so a refusal is
// only seen here.
TEST(SwapChainChoiceTest, ARequestedModeIsTakenOrRefusedNamingTheModesOffered)
{
    const std::vector<VkPresentModeKHR> offered = {VK_PRESENT_MODE_FIFO_KHR, VK_PRESENT_MODE_MAILBOX_KHR,
                                                   VK_PRESENT_MODE_FIFO_RELAXED_KHR};
    EXPECT_EQ(chooseSwapPresentMode(offered, VK_PRESENT_MODE_FIFO_KHR), VK_PRESENT_MODE_FIFO_KHR);
    try {
        chooseSwapPresentMode(offered, VK_PRESENT_MODE_IMMEDIATE_KHR);
        FAIL() << "immediate was granted";
    } catch (const RefusedChoice& e) {
        EXPECT_STREQ(e.what(), "--present-mode immediate is not offered by this surface, which offers fifo, "
                               "mailbox and fifo_relaxed");
    }
}

TEST(SwapChainChoiceTest, UsesTheSurfaceExtentWhenItIsDefinite)
{
    const VkExtent2D extent = chooseSwapExtent(capabilities(1920, 1080), 800, 600);
    EXPECT_EQ(extent.width, 1920u);
    EXPECT_EQ(extent.height, 1080u);
}

TEST(SwapChainChoiceTest, ClampsTheFramebufferSizeWhenTheSurfaceLeavesItOpen)
{
    const VkSurfaceCapabilitiesKHR caps = capabilities(0xFFFFFFFF, 0xFFFFFFFF);
    VkExtent2D extent = chooseSwapExtent(caps, 1920, 1080);
    EXPECT_EQ(extent.width, 1920u);
    EXPECT_EQ(extent.height, 1080u);
    extent = chooseSwapExtent(caps, 4000, 100);
    EXPECT_EQ(extent.width, 2560u);
    EXPECT_EQ(extent.height, 480u);
    extent = chooseSwapExtent(caps, 320, 2000);
    EXPECT_EQ(extent.width, 640u);
    EXPECT_EQ(extent.height, 1440u);
}

TEST(SwapChainChoiceTest, AsksForOneImageMoreThanTheMinimumWithinTheMaximum)
{
    VkSurfaceCapabilitiesKHR caps = capabilities(1920, 1080);
    EXPECT_EQ(chooseImageCount(caps), 3u);
    caps.maxImageCount = 8;
    EXPECT_EQ(chooseImageCount(caps), 3u);
    caps.maxImageCount = 2;
    EXPECT_EQ(chooseImageCount(caps), 2u);
}
