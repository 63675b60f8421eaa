#include "FixtureImages.h"
#include "GpuTest.h"

#include "AssetFiles.h"
#include "constants/FramesInFlight.h"
#include "textures/DynEnvironmentTexture.h"
#include "base/ImageUtils.h"
#include "textures/StaticEnvironmentTexture.h"

#include <set>
#include <stdexcept>

class CubemapTextureTest : public GpuTest {
protected:
    void writeFaces(int size, const std::string& skipped = "") const
    {
        for (const std::string name : assetFiles::cubeFaceFiles) {
            if (name != skipped) {
                writePatternJpg((dir.path() / name).string(), size, size);
            }
        }
    }

    // A frame's environment pass starts from the layout in which the cubes are
    // sampled, colour and depth alike, all six faces of both frames.
    static void expectShaderReadable(const DynEnvironmentTexture& texture)
    {
        for (int frame = 0; frame < MAX_FRAMES_IN_FLIGHT; frame++) {
            assertLayout(texture.getImage(frame), VK_IMAGE_ASPECT_COLOR_BIT, 6,
                         VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
            assertLayout(texture.getDepthImage(frame), depthStencilAspect(texture.getDepthFormat()), 6,
                         VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
        }
    }
};

TEST_F(CubemapTextureTest, StaticCubeHoldsSixFacesBehindOneView)
{
    writeFaces(16);
    StaticEnvironmentTexture texture(bufferUtils(), dir.path().string());
    EXPECT_EQ(texture.getImageSize(), VkDeviceSize{6 * 16 * 16 * 4});
    EXPECT_NE(texture.getImageView(0), VK_NULL_HANDLE);
    EXPECT_EQ(&texture.getImageView(1), &texture.getImageView(0));
    EXPECT_NE(texture.getSampler(), VK_NULL_HANDLE);
    texture.cleanup();
    texture.cleanup();
}

TEST_F(CubemapTextureTest, MissingFaceNamesTheFullPath)
{
    writeFaces(8, assetFiles::cubeFaceNegY);
    try {
        StaticEnvironmentTexture(bufferUtils(), dir.path().string());
        FAIL() << "expected a failure for the missing face";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "Cubemap: Couldn't load file " + dir.path().string() + "/negy.jpg");
    }
}

TEST_F(CubemapTextureTest, FacesOfDifferentSizesAreRejected)
{
    writeFaces(8);
    writePatternJpg((dir.path() / "posz.jpg").string(), 4, 4);
    EXPECT_THROW(StaticEnvironmentTexture(bufferUtils(), dir.path().string()), std::runtime_error);
    writePatternJpg((dir.path() / "posz.jpg").string(), 8, 6);
    EXPECT_THROW(StaticEnvironmentTexture(bufferUtils(), dir.path().string()), std::runtime_error);
}

TEST_F(CubemapTextureTest, DynamicCubeHasOwnViewsPerFrame)
{
    EXPECT_THROW(DynEnvironmentTexture(bufferUtils(), 16, 12, 4), std::invalid_argument);
    DynEnvironmentTexture texture(bufferUtils(), 16, 16, 4);
    EXPECT_EQ(texture.getWidth(), 16);
    EXPECT_EQ(texture.getHeight(), 16);
    EXPECT_NE(texture.getImageView(0), texture.getImageView(1));
    EXPECT_NE(texture.getDepthImageView(0), texture.getDepthImageView(1));
    EXPECT_NE(texture.getSampler(), VK_NULL_HANDLE);

    std::set<VkImageView> views = {texture.getImageView(0), texture.getImageView(1), texture.getDepthImageView(0),
                                   texture.getDepthImageView(1)};
    const std::vector<VkImageView> attachmentViews = texture.getAttachmentViews();
    const std::vector<VkImageView> depthAttachmentViews = texture.getDepthAttachmentViews();
    EXPECT_EQ(attachmentViews.size(), 12u);
    EXPECT_EQ(depthAttachmentViews.size(), 12u);
    views.insert(attachmentViews.begin(), attachmentViews.end());
    views.insert(depthAttachmentViews.begin(), depthAttachmentViews.end());
    views.erase(VK_NULL_HANDLE);
    EXPECT_EQ(views.size(), 28u);

    texture.cleanup();
    texture.cleanup();
}

TEST_F(CubemapTextureTest, DynamicCubesAreHandedOverShaderReadable)
{
    DynEnvironmentTexture texture(bufferUtils(), 16, 16, 4);
    expectShaderReadable(texture);
    texture.cleanup();
}

TEST_F(CubemapTextureTest, DepthWithStencilIsTransitionedWithBothAspects)
{
    EXPECT_EQ(depthStencilAspect(VK_FORMAT_D32_SFLOAT), VkImageAspectFlags{VK_IMAGE_ASPECT_DEPTH_BIT});
    const VkFormat stencilFormat = bufferUtils().findSupportedFormat(
        {VK_FORMAT_D32_SFLOAT_S8_UINT, VK_FORMAT_D24_UNORM_S8_UINT}, VK_IMAGE_TILING_OPTIMAL,
        VK_FORMAT_FEATURE_DEPTH_STENCIL_ATTACHMENT_BIT | VK_FORMAT_FEATURE_SAMPLED_IMAGE_BIT);
    const VkImageAspectFlags aspect = depthStencilAspect(stencilFormat);
    EXPECT_EQ(aspect, VkImageAspectFlags{VK_IMAGE_ASPECT_DEPTH_BIT | VK_IMAGE_ASPECT_STENCIL_BIT});

    VkImage image;
    VkDeviceMemory imageMemory;
    createImage(bufferUtils(), {8, 8, 6, VK_IMAGE_CREATE_CUBE_COMPATIBLE_BIT}, stencilFormat, VK_IMAGE_TILING_OPTIMAL,
                VK_IMAGE_USAGE_TRANSFER_DST_BIT | VK_IMAGE_USAGE_SAMPLED_BIT |
                    VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT,
                VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, image, imageMemory);
    makeShaderReadable(bufferUtils(), image, aspect, 6);
    assertLayout(image, aspect, 6, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
    vkDestroyImage(device(), image, nullptr);
    vkFreeMemory(device(), imageMemory, nullptr);
}
