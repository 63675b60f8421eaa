#include "FixtureImages.h"
#include "GpuTest.h"

#include "textures/ImageTexture.h"
#include "base/ImageUtils.h"

#include <stdexcept>

class TextureTest : public GpuTest {
protected:
    std::string png(const std::string& name, int width, int height, int channels) const
    {
        const std::string path = (dir.path() / name).string();
        writePatternPng(path, width, height, channels);
        return path;
    }
};

TEST_F(TextureTest, ExpandsFilesOfOneTwoOrThreeChannelsToFour)
{
    const std::string normalMap = png("normal.png", 3, 2, 4);
    for (int channels = 1; channels <= 3; channels++) {
        SCOPED_TRACE(channels);
        ImageTexture texture(bufferUtils(), png("colour.png", 5, 3, channels), normalMap, glm::vec3(1, 2, 3), 0.25f,
                             0.5f, 0.75f);
        EXPECT_EQ(texture.getTexChannels(), channels);
        EXPECT_EQ(texture.getTexWidth(), 5);
        EXPECT_EQ(texture.getTexHeight(), 3);
        EXPECT_EQ(texture.getImageSize(), VkDeviceSize{5 * 3 * 4});
        EXPECT_NE(texture.getTextureImageView(), VK_NULL_HANDLE);
        EXPECT_NE(texture.getNormalImageView(), VK_NULL_HANDLE);
        EXPECT_NE(texture.getTextureImageView(), texture.getNormalImageView());
        EXPECT_NE(texture.getTextureSampler(), VK_NULL_HANDLE);
        EXPECT_NE(texture.getNormalSampler(), VK_NULL_HANDLE);
        EXPECT_EQ(texture.getMaterialVector(), glm::vec3(1, 2, 3));
        EXPECT_EQ(texture.getCoefficient2(), 0.5f);
        texture.cleanup();
    }
}

TEST_F(TextureTest, UnreadableColorFileFailsBeforeAnyVulkanObject)
{
    const std::string normalMap = png("normal.png", 2, 2, 4);
    const std::string garbage = dir.write("garbage.png", "not a png");
    // Null handles: touching Vulkan before the failure would crash rather than throw.
    const BufferUtils noDevice;
    for (const std::string& path : {(dir.path() / "missing.png").string(), garbage}) {
        try {
            ImageTexture(noDevice, path, normalMap, glm::vec3(0), 0, 0, 0);
            FAIL() << "expected a failure for " << path;
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), "failed to load texture image!");
        }
    }
}

TEST_F(TextureTest, MissingNormalMapIsReportedAfterTheColorTexture)
{
    try {
        ImageTexture(bufferUtils(), png("colour.png", 2, 2, 3), (dir.path() / "missing_normal.png").string(),
                     glm::vec3(0), 0, 0, 0);
        FAIL() << "expected a failure for the missing normal map";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "failed to load normal map!");
    }
}

TEST_F(TextureTest, CleanupTwiceDestroysOnce)
{
    ImageTexture texture(bufferUtils(), png("colour.png", 4, 4, 4), png("normal.png", 4, 4, 4), glm::vec3(0), 0, 0, 0);
    texture.cleanup();
    texture.cleanup();
}

TEST_F(TextureTest, OnlyTheTwoUploadTransitionsAreSupported)
{
    const std::vector<std::pair<VkImageLayout, VkImageLayout>> unsupported = {
        {VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL},
        {VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL, VK_IMAGE_LAYOUT_UNDEFINED},
        {VK_IMAGE_LAYOUT_UNDEFINED, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL},
        {VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL, VK_IMAGE_LAYOUT_COLOR_ATTACHMENT_OPTIMAL}};
    for (const auto& [oldLayout, newLayout] : unsupported) {
        try {
            transitionImageLayout(bufferUtils(), VK_NULL_HANDLE, VK_IMAGE_ASPECT_COLOR_BIT, 1, oldLayout, newLayout);
            FAIL() << "transition " << oldLayout << " -> " << newLayout << " must be rejected";
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), "unsupported layout transition!");
        }
    }
}

TEST_F(TextureTest, UploadLeavesTheImageShaderReadable)
{
    const BufferUtils utils = bufferUtils();
    const std::vector<unsigned char> pixels(8 * 8 * 4, 200);
    VkImage image;
    VkDeviceMemory imageMemory;
    uploadImage(utils, {8, 8, 1, 0}, VK_FORMAT_R8G8B8A8_UNORM, {pixels.data()}, image, imageMemory);
    assertLayout(image, VK_IMAGE_ASPECT_COLOR_BIT, 1, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
    vkDestroyImage(device(), image, nullptr);
    vkFreeMemory(device(), imageMemory, nullptr);
}
