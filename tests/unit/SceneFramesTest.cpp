#include "CubeFaces.h"

#include "app/Application.h"
#include "app/FramesUpTo.h"
#include "base/ReadBack.h"
#include "renderer/CubeFaceViews.h"
#include "textures/DynEnvironmentTexture.h"

#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

// Whole frames of the demo's scene, offscreen and small: how often the host
// waits for the GPU, and what the environment faces show once the still world
// is drawn apart from what moves.

namespace {

constexpr float step = 1.0f / 30.0f;
constexpr uint32_t faceSize = 64;
// The spaceship passes close by the reflective cube, on its +x side.
constexpr float shipNearTheCube = 1.5f;

using Face = std::vector<glm::u8vec4>;
using Faces = std::array<Face, 6>;

} // namespace

class SceneFramesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The renderer's validation messages go to the standard error stream.
        previousErrorStream = std::cerr.rdbuf(errors.rdbuf());
        SceneSize sceneSize;
        sceneSize.particleCount = 1024;
        sceneSize.environmentFaceSize = static_cast<int>(faceSize);
        sceneSize.particleSeed = 1;
        app = std::make_unique<Application>(sceneSize);
        app->findProjectRoot();
        app->initOffscreen({96, 54});
        app->initVulkan();
        app->buildScene();
    }

    static void TearDownTestSuite()
    {
        app->cleanup();
        app.reset();
        std::cerr.rdbuf(previousErrorStream);
    }

    void TearDown() override
    {
        EXPECT_EQ(errors.str().find("Validation Error"), std::string::npos) << errors.str();
        errors.str("");
    }

    static Renderer& renderer() { return app->getRenderer(); }

    // Layer `face` of a colour image with four bytes a pixel, found in `layout` and left in it.
    static Face readLayer(VkImage image, uint32_t face, VkImageLayout layout)
    {
        renderer().waitIdle();
        const BufferUtils utils(renderer().getDevice(), renderer().getPhysicalDevice(), renderer().getCommandPool(),
                                renderer().getGraphicsQueue());
        Face pixels(faceSize * faceSize);
        const VkDeviceSize bytes = pixels.size() * sizeof(glm::u8vec4);
        VkBuffer buffer;
        VkDeviceMemory memory;
        utils.createBuffer(bytes, VK_BUFFER_USAGE_TRANSFER_DST_BIT,
                           VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT, buffer, memory);
        VkCommandBuffer commandBuffer = utils.beginSingleTimeCommands();
        VkImageMemoryBarrier barrier{};
        barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
        barrier.srcAccessMask = VK_ACCESS_MEMORY_WRITE_BIT;
        barrier.dstAccessMask = VK_ACCESS_TRANSFER_READ_BIT;
        barrier.oldLayout = layout;
        barrier.newLayout = VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL;
        barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
        barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
        barrier.image = image;
        barrier.subresourceRange = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, face, 1};
        vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_ALL_COMMANDS_BIT, VK_PIPELINE_STAGE_TRANSFER_BIT, 0, 0,
                             nullptr, 0, nullptr, 1, &barrier);
        VkBufferImageCopy region{};
        region.imageSubresource = {VK_IMAGE_ASPECT_COLOR_BIT, 0, face, 1};
        region.imageExtent = {faceSize, faceSize, 1};
        vkCmdCopyImageToBuffer(commandBuffer, image, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, buffer, 1, &region);
        std::swap(barrier.oldLayout, barrier.newLayout);
        barrier.srcAccessMask = VK_ACCESS_TRANSFER_READ_BIT;
        barrier.dstAccessMask = VK_ACCESS_MEMORY_READ_BIT;
        vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_TRANSFER_BIT, VK_PIPELINE_STAGE_ALL_COMMANDS_BIT, 0, 0,
                             nullptr, 0, nullptr, 1, &barrier);
        utils.endSingleTimeCommands(commandBuffer);
        readHostVisible(renderer().getDevice(), memory, pixels.data(), bytes);
        vkDestroyBuffer(renderer().getDevice(), buffer, nullptr);
        vkFreeMemory(renderer().getDevice(), memory, nullptr);
        return pixels;
    }

    static Faces stillFaces()
    {
        Faces faces;
        for (uint32_t face = 0; face < faces.size(); face++) {
            faces[face] =
                readLayer(renderer().getStillFaces()->colourImage(), face, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL);
        }
        return faces;
    }

    // The faces that the last frame's environment pass drew.
    static Faces lastFrameFaces()
    {
        const uint32_t lastSlot = previousFrameSlot(renderer().getCurrentFrame());
        const auto* texture = dynamic_cast<DynEnvironmentTexture*>(app->getEnvironmentCube().getCubemap());
        const VkImage cube = texture->getImage(static_cast<int>(previousFrameSlot(lastSlot)));
        Faces faces;
        for (uint32_t face = 0; face < faces.size(); face++) {
            faces[face] = readLayer(cube, face, VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL);
        }
        return faces;
    }

    static size_t distinctColours(const Face& face)
    {
        std::set<uint32_t> colours;
        for (const glm::u8vec4& pixel : face) {
            colours.insert(uint32_t(pixel.r) | uint32_t(pixel.g) << 8 | uint32_t(pixel.b) << 16);
        }
        return colours.size();
    }

    static inline std::unique_ptr<Application> app;
    static inline std::ostringstream errors;
    static inline std::streambuf* previousErrorStream = nullptr;
};

// Every resource of a frame slot is free once the frame that last used the slot
// is done: one wait per frame, even when the driver of the frames asks first.
TEST_F(SceneFramesTest, TheHostWaitsOncePerFrame)
{
    const uint64_t before = renderer().getHostWaitCount();
    const int frames = 5;
    for (int i = 0; i < frames; i++) {
        if (i % 2 == 0) {
            renderer().waitForCurrentFrame();
        }
        app->frame(10.0f + static_cast<float>(i) * step, step);
    }
    EXPECT_EQ(renderer().getHostWaitCount(), before + frames);
}

// The spaceship flies past the cube: its face shows it over the still copy,
// while faces that nothing moving reaches are the still copy byte for byte.
TEST_F(SceneFramesTest, MovingObjectsAreDrawnOverTheStillFaces)
{
    playFramesUpTo(*app, shipNearTheCube, 2, step);
    const Faces still = stillFaces();
    const Faces drawn = lastFrameFaces();

    const glm::vec3 cubePosition = app->getEnvironmentCube().getPosition();
    int movingFaces = 0;
    for (ImageObject* object : app->getObjects().getObjects()) {
        if (!object->moves()) {
            continue;
        }
        movingFaces++;
        const glm::vec3 centre(object->getUniforms(ViewPass::Environment).model * glm::vec4(0, 0, 0, 1));
        const int face = faceOf(centre - cubePosition);
        ASSERT_GE(face, 0);
        const glm::vec4 clip = cubeFaceProjection() * cubeFaceViews(cubePosition)[face] * glm::vec4(centre, 1.0f);
        const glm::ivec2 pixel = glm::ivec2((glm::vec2(clip) / clip.w * 0.5f + 0.5f) * float(faceSize));
        int changed = 0;
        for (int y = pixel.y - 3; y <= pixel.y + 3; y++) {
            for (int x = pixel.x - 3; x <= pixel.x + 3; x++) {
                const size_t index = size_t(glm::clamp(y, 0, int(faceSize) - 1)) * faceSize +
                                     size_t(glm::clamp(x, 0, int(faceSize) - 1));
                changed += drawn[size_t(face)][index] != still[size_t(face)][index] ? 1 : 0;
            }
        }
        EXPECT_GT(changed, 10) << "face " << face;
    }
    EXPECT_EQ(movingFaces, 1);

    int untouched = 0;
    for (size_t face = 0; face < drawn.size(); face++) {
        untouched += drawn[face] == still[face] ? 1 : 0;
    }
    EXPECT_GE(untouched, 3);
}

// Recreating the frame target leaves the still faces as they were; moving the
// cube redraws them from its new place, and moving it back draws them again.
TEST_F(SceneFramesTest, StillFacesFollowTheCubeAndOutliveANewFrameTarget)
{
    playFramesUpTo(*app, shipNearTheCube, 2, step);
    const Faces first = stillFaces();
    for (const Face& face : first) {
        EXPECT_GT(distinctColours(face), 20u);
    }
    const Faces firstDrawn = lastFrameFaces();

    renderer().recreateSwapChain();
    playFramesUpTo(*app, shipNearTheCube, 2, step);
    EXPECT_EQ(stillFaces(), first);
    const Faces drawn = lastFrameFaces();
    for (size_t face = 0; face < drawn.size(); face++) {
        if (firstDrawn[face] == first[face]) {
            EXPECT_EQ(drawn[face], first[face]) << "face " << face;
        }
    }

    CubemapObject& cube = app->getEnvironmentCube();
    const glm::vec3 place = cube.getPosition();
    cube.setPosition(place + glm::vec3(40.0f, 0.0f, 0.0f));
    playFramesUpTo(*app, shipNearTheCube, 1, step);
    EXPECT_NE(stillFaces(), first);
    cube.setPosition(place);
    playFramesUpTo(*app, shipNearTheCube, 1, step);
    EXPECT_EQ(stillFaces(), first);
}

// A face that already holds the still copy is left alone while nothing moves in it. Once the
// spaceship has left a face, each cube set must show it as a set drawn afresh does: a face
// left alone too early keeps the ship's ghost. The dust holds still (no time passes).
TEST_F(SceneFramesTest, AFaceLeftAloneShowsWhatAFreshDrawShows)
{
    const float shipFarAway = 40.0f;
    playFramesUpTo(*app, shipNearTheCube, 2, step);
    std::array<Faces, 2> leftAlone;
    for (int frame = 0; frame < 5; frame++) {
        app->frame(shipFarAway, 0.0f);
        leftAlone[size_t(frame % 2)] = lastFrameFaces();
    }

    CubemapObject& cube = app->getEnvironmentCube();
    const glm::vec3 place = cube.getPosition();
    cube.setPosition(place + glm::vec3(40.0f, 0.0f, 0.0f));
    app->frame(shipFarAway, 0.0f);
    cube.setPosition(place);
    for (int frame = 0; frame < 5; frame++) {
        app->frame(shipFarAway, 0.0f);
        const Faces fresh = lastFrameFaces();
        for (size_t face = 0; face < fresh.size(); face++) {
            EXPECT_EQ(fresh[face], leftAlone[size_t(frame % 2)][face]) << "frame " << frame << ", face " << face;
        }
    }
}
