#include "GpuTest.h"

#include "base/Framebuffers.h"
#include "renderer/RenderPasses.h"
#include "textures/DefferedTexture.h"
#include "base/ImageUtils.h"

#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> noMessages;

} // namespace

class DefferedTextureTest : public GpuTest {
protected:
    // What the validation layer says to a framebuffer of the G-buffer pass
    // over frame 0's targets: it objects if the framebuffer is larger than any
    // of its attachments.
    std::vector<std::string> framebufferMessages(DefferedTexture& gBuffer, uint32_t width, uint32_t height)
    {
        const VkFormat depthFormat = bufferUtils().findDepthFormat();
        VkRenderPass renderPass = createGBufferRenderPass(device(), depthFormat);
        VkImage depthImage;
        VkDeviceMemory depthImageMemory;
        createImage(bufferUtils(), {width, height, 1, 0}, depthFormat, VK_IMAGE_TILING_OPTIMAL,
                    VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, depthImage,
                    depthImageMemory);
        VkImageView depthImageView = createImageView(device(), depthImage, VK_IMAGE_VIEW_TYPE_2D, depthFormat,
                                                     VK_IMAGE_ASPECT_DEPTH_BIT, 0, 1, "depth view");

        const VkFramebuffer framebuffer = createFramebuffer(
            device(), renderPass,
            {gBuffer.getAlbedoViews()[0], gBuffer.getNormalViews()[0], gBuffer.getCoefficientViews()[0],
             gBuffer.getMaterialViews()[0], gBuffer.getWorldPosViews()[0], depthImageView},
            width, height);
        vkDestroyFramebuffer(device(), framebuffer, nullptr);
        vkDestroyImageView(device(), depthImageView, nullptr);
        vkDestroyImage(device(), depthImage, nullptr);
        vkFreeMemory(device(), depthImageMemory, nullptr);
        vkDestroyRenderPass(device(), renderPass, nullptr);
        return takeValidationMessages();
    }
};

TEST_F(DefferedTextureTest, TargetsAreFullHdUnlessToldOtherwise)
{
    DefferedTexture gBuffer(bufferUtils());
    EXPECT_EQ(gBuffer.getExtent().width, 1920u);
    EXPECT_EQ(gBuffer.getExtent().height, 1080u);
    EXPECT_EQ(framebufferMessages(gBuffer, 1920, 1080), noMessages);

    // One pixel more in either direction exceeds the targets.
    EXPECT_NE(framebufferMessages(gBuffer, 1921, 1080), noMessages);
    EXPECT_NE(framebufferMessages(gBuffer, 1920, 1081), noMessages);
    gBuffer.cleanup();
}

TEST_F(DefferedTextureTest, EveryTargetStartsShaderReadable)
{
    DefferedTexture gBuffer(bufferUtils());
    for (int attachment = 0; attachment < DefferedTexture::AttachmentCount; attachment++) {
        const std::vector<VkImage> images = gBuffer.getImages(static_cast<DefferedTexture::Attachment>(attachment));
        ASSERT_EQ(images.size(), 2u);
        for (VkImage image : images) {
            assertLayout(image, VK_IMAGE_ASPECT_COLOR_BIT, 1, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
        }
    }
    gBuffer.cleanup();
}

TEST_F(DefferedTextureTest, TenDistinctViewsAndOneSampler)
{
    DefferedTexture gBuffer(bufferUtils());
    std::set<VkImageView> views;
    for (const std::vector<VkImageView>& perFrame :
         {gBuffer.getAlbedoViews(), gBuffer.getNormalViews(), gBuffer.getCoefficientViews(), gBuffer.getMaterialViews(),
          gBuffer.getWorldPosViews()}) {
        ASSERT_EQ(perFrame.size(), 2u);
        views.insert(perFrame.begin(), perFrame.end());
    }
    views.erase(VK_NULL_HANDLE);
    EXPECT_EQ(views.size(), 10u);
    EXPECT_NE(gBuffer.getSampler(), VK_NULL_HANDLE);
    gBuffer.cleanup();
    gBuffer.cleanup();
}

// The validation layer checks a framebuffer against its attachments, so a
// framebuffer of exactly the expected size passes and one a pixel wider fails.
TEST_F(DefferedTextureTest, ResizeReplacesEveryTargetBySmallerOrLargerOnes)
{
    DefferedTexture gBuffer(bufferUtils(), {640, 360});
    EXPECT_EQ(framebufferMessages(gBuffer, 640, 360), noMessages);
    EXPECT_NE(framebufferMessages(gBuffer, 641, 360), noMessages);

    for (VkExtent2D extent : {VkExtent2D{1280, 720}, VkExtent2D{2560, 1440}}) {
        gBuffer.resize(extent);
        EXPECT_EQ(gBuffer.getExtent().width, extent.width);
        EXPECT_EQ(gBuffer.getExtent().height, extent.height);
        EXPECT_EQ(framebufferMessages(gBuffer, extent.width, extent.height), noMessages);
        EXPECT_NE(framebufferMessages(gBuffer, extent.width, extent.height + 1), noMessages);
    }

    for (int attachment = 0; attachment < DefferedTexture::AttachmentCount; attachment++) {
        for (VkImage image : gBuffer.getImages(static_cast<DefferedTexture::Attachment>(attachment))) {
            assertLayout(image, VK_IMAGE_ASPECT_COLOR_BIT, 1, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
        }
    }
    gBuffer.cleanup();
}
