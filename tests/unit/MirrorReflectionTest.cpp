#include "GpuTestSuite.h"
#include "SceneFixtures.h"

#include "app/Camera.h"
#include "objects/CubemapObject.h"
#include "objects/Model.h"
#include "pipelines/DynEnvironmentMapDrawPipeline.h"
#include "renderer/RenderPasses.h"
#include "textures/DynEnvironmentTexture.h"
#include "textures/ImageUtils.h"

#include <glm/gtc/packing.hpp>

#include <array>
#include <cmath>
#include <cstring>

// The reflective cube drawn by the G-buffer pass over an environment cube whose
// six faces are each cleared to one colour: every pixel of the mirror must show
// the face that its view ray, reflected about the cube's normal, points into.
// The check works in world space, from the pixel's own world position and
// normal in the G-buffer, so it holds whichever way the image is oriented; a
// reflection turned upside down or sideways shows the wrong faces.

namespace {

constexpr uint32_t targetSize = 160;
constexpr uint32_t faceSize = 64;
const std::array<VkFormat, 5> targetFormats = {VK_FORMAT_R8G8B8A8_UNORM, VK_FORMAT_R16G16B16A16_SFLOAT,
                                               VK_FORMAT_R8G8B8A8_UNORM, VK_FORMAT_R8G8B8A8_UNORM,
                                               VK_FORMAT_R16G16B16A16_SFLOAT};
constexpr int albedoTarget = 0;
constexpr int normalTarget = 1;
constexpr int positionTarget = 4;
constexpr float mirrorKind = 2.0f;

// One distinct pattern of full and empty channels per face, so that a pixel's
// colour names its face however the mirror tints it.
using FaceColours = std::array<glm::vec3, 6>;
const FaceColours firstColours = {glm::vec3(1, 0, 0), glm::vec3(0, 1, 0), glm::vec3(0, 0, 1),
                                  glm::vec3(1, 1, 0), glm::vec3(1, 0, 1), glm::vec3(0, 1, 1)};

// The layer a direction looks up: +x, -x, +y, -y, +z, -z. Directions within a
// few degrees of an edge between faces blend both faces there, and give -1.
int faceOf(const glm::vec3& direction)
{
    const glm::vec3 size = glm::abs(direction);
    const int axis = size.x >= size.y && size.x >= size.z ? 0 : (size.y >= size.z ? 1 : 2);
    const float major = size[axis];
    const float second = std::max(size[(axis + 1) % 3], size[(axis + 2) % 3]);
    if (second > 0.93f * major) {
        return -1;
    }
    return 2 * axis + (direction[axis] < 0.0f ? 1 : 0);
}

int faceOfColour(const glm::u8vec4& albedo, const FaceColours& colours)
{
    const glm::vec3 channels = glm::step(glm::vec3(128.0f), glm::vec3(albedo));
    for (int face = 0; face < 6; face++) {
        if (channels == colours[static_cast<size_t>(face)]) {
            return face;
        }
    }
    return -1;
}

struct Target {
    VkImage image = VK_NULL_HANDLE;
    VkDeviceMemory memory = VK_NULL_HANDLE;
    VkImageView view = VK_NULL_HANDLE;
};

// What the G-buffer pass left in the three targets the check reads.
struct GBufferPixels {
    std::vector<glm::u8vec4> albedo;
    std::vector<glm::vec4> normal;
    std::vector<glm::vec4> position;
};

} // namespace

class MirrorReflectionTest : public GpuTestSuite {
protected:
    void SetUp() override
    {
        GpuTestSuite::SetUp();
        depthFormat = bufferUtils().findDepthFormat();
        gBufferPass = createGBufferRenderPass(device(), depthFormat);
        environmentPass = createEnvironmentRenderPass(device(), depthFormat);
        createTargets();
        environment = std::make_unique<DynEnvironmentTexture>(bufferUtils(), static_cast<int>(faceSize), static_cast<int>(faceSize), 4);
        model = std::make_unique<Model>(bufferUtils(), projectRoot() + "/assets/models/dynCube.obj", false);
        pipeline = DynEnvironmentMapDrawPipeline(shaderPath("envMapDraw_vert.spv"), shaderPath("envMapDraw_frag.spv"),
                                                 bufferUtils(), gBufferPass);
        cube = CubemapObject(bufferUtils(), &pipeline, model.get(), environment.get(), true);
        cube.setPosition(glm::vec3(0.0f));

        // Close to the cube and off its axes: three faces in view, each
        // reflecting rays into several faces of the environment.
        camera = Camera(static_cast<int>(targetSize), static_cast<int>(targetSize), 70.0f, 0.1f, 100.0f);
        camera.position = glm::vec3(1.6f, 2.1f, 2.6f);
        camera.proj = glm::perspective(glm::radians(camera.fov), camera.aspect, camera.nearPlane, camera.farPlane);
        camera.lookAt(glm::vec3(0.0f));
        cube.updateAtPosition(0, &camera, glm::vec3(0.2f));
    }

    void TearDown() override
    {
        cube.cleanup();
        pipeline.cleanup();
        model->cleanup();
        environment->cleanup();
        vkDestroyFramebuffer(device(), framebuffer, nullptr);
        for (Target& target : targets) {
            vkDestroyImageView(device(), target.view, nullptr);
            vkDestroyImage(device(), target.image, nullptr);
            vkFreeMemory(device(), target.memory, nullptr);
        }
        vkDestroyRenderPass(device(), environmentPass, nullptr);
        vkDestroyRenderPass(device(), gBufferPass, nullptr);
        EXPECT_TRUE(newValidationMessages().empty()) << testing::PrintToString(newValidationMessages());
    }

    // Five colour targets the test can copy from, and a depth target.
    void createTargets()
    {
        std::vector<VkImageView> views;
        for (size_t index = 0; index <= targetFormats.size(); index++) {
            const bool depth = index == targetFormats.size();
            const VkFormat format = depth ? depthFormat : targetFormats[index];
            const VkImageUsageFlags usage = depth ? VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT
                                                  : VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT | VK_IMAGE_USAGE_SAMPLED_BIT |
                                                        VK_IMAGE_USAGE_TRANSFER_SRC_BIT;
            Target& target = targets[index];
            createImage(bufferUtils(), {targetSize, targetSize, 1, 0}, format, VK_IMAGE_TILING_OPTIMAL, usage,
                        VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, target.image, target.memory);
            target.view = createImageView(device(), target.image, VK_IMAGE_VIEW_TYPE_2D, format,
                                          depth ? depthStencilAspect(format)
                                                : VkImageAspectFlags{VK_IMAGE_ASPECT_COLOR_BIT},
                                          0, 1, "failed to create image view!");
            views.push_back(target.view);
        }
        framebuffer = makeFramebuffer(gBufferPass, views, targetSize);
    }

    // Clears frame 0's six colour faces through the environment pass, as the
    // scene's faces are drawn; depth is cleared to the far plane, where the
    // mirror takes the reflected ray as it is.
    void paintFaces(const FaceColours& colours)
    {
        const std::vector<VkImageView> faceViews = environment->getAttachmentViews();
        const std::vector<VkImageView> depthViews = environment->getDepthAttachmentViews();
        std::array<VkFramebuffer, 6> faceFramebuffers{};
        VkCommandBuffer commandBuffer = bufferUtils().beginSingleTimeCommands();
        for (size_t face = 0; face < faceFramebuffers.size(); face++) {
            faceFramebuffers[face] = makeFramebuffer(environmentPass, {faceViews[face], depthViews[face]}, faceSize);
            std::vector<VkClearValue> clearValues(2);
            clearValues[0].color = {{colours[face].r, colours[face].g, colours[face].b, 1.0f}};
            clearValues[1].depthStencil = {1.0f, 0};
            beginPass(commandBuffer, environmentPass, faceFramebuffers[face], faceSize, clearValues);
            vkCmdEndRenderPass(commandBuffer);
        }
        bufferUtils().endSingleTimeCommands(commandBuffer);
        for (VkFramebuffer faceFramebuffer : faceFramebuffers) {
            vkDestroyFramebuffer(device(), faceFramebuffer, nullptr);
        }
    }

    VkFramebuffer makeFramebuffer(VkRenderPass renderPass, const std::vector<VkImageView>& views, uint32_t size) const
    {
        VkFramebufferCreateInfo framebufferInfo{};
        framebufferInfo.sType = VK_STRUCTURE_TYPE_FRAMEBUFFER_CREATE_INFO;
        framebufferInfo.renderPass = renderPass;
        framebufferInfo.attachmentCount = static_cast<uint32_t>(views.size());
        framebufferInfo.pAttachments = views.data();
        framebufferInfo.width = size;
        framebufferInfo.height = size;
        framebufferInfo.layers = 1;
        VkFramebuffer made = VK_NULL_HANDLE;
        EXPECT_EQ(vkCreateFramebuffer(device(), &framebufferInfo, nullptr, &made), VK_SUCCESS);
        return made;
    }

    static void beginPass(VkCommandBuffer commandBuffer, VkRenderPass renderPass, VkFramebuffer target,
                          uint32_t size, const std::vector<VkClearValue>& clearValues)
    {
        VkRenderPassBeginInfo renderPassInfo{};
        renderPassInfo.sType = VK_STRUCTURE_TYPE_RENDER_PASS_BEGIN_INFO;
        renderPassInfo.renderPass = renderPass;
        renderPassInfo.framebuffer = target;
        renderPassInfo.renderArea.extent = {size, size};
        renderPassInfo.clearValueCount = static_cast<uint32_t>(clearValues.size());
        renderPassInfo.pClearValues = clearValues.data();
        vkCmdBeginRenderPass(commandBuffer, &renderPassInfo, VK_SUBPASS_CONTENTS_INLINE);
    }

    // The cube alone in the G-buffer pass, recorded as the frame records it.
    void drawCube()
    {
        std::vector<VkClearValue> clearValues(6);
        clearValues[5].depthStencil = {1.0f, 0};
        const glm::mat4 identity(1.0f);
        VkCommandBuffer commandBuffer = bufferUtils().beginSingleTimeCommands();
        beginPass(commandBuffer, gBufferPass, framebuffer, targetSize, clearValues);
        vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, cube.getPipeline());
        vkCmdPushConstants(commandBuffer, cube.getPipelineLayout(), VK_SHADER_STAGE_VERTEX_BIT, 0, sizeof(glm::mat4),
                           &identity);
        const VkViewport viewport{0.0f, 0.0f, targetSize, targetSize, 0.0f, 1.0f};
        const VkRect2D scissor{{0, 0}, {targetSize, targetSize}};
        vkCmdSetViewport(commandBuffer, 0, 1, &viewport);
        vkCmdSetScissor(commandBuffer, 0, 1, &scissor);
        const VkDeviceSize offset = 0;
        vkCmdBindVertexBuffers(commandBuffer, 0, 1, &cube.getVertexBuffer(), &offset);
        vkCmdBindIndexBuffer(commandBuffer, cube.getIndexBuffer(), 0, VK_INDEX_TYPE_UINT32);
        vkCmdBindDescriptorSets(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, cube.getPipelineLayout(), 0, 1,
                                &cube.getDescriptorSet(0), 0, nullptr);
        vkCmdDrawIndexed(commandBuffer, cube.getIndexCount(), 1, 0, 0, 0);
        vkCmdEndRenderPass(commandBuffer);
        bufferUtils().endSingleTimeCommands(commandBuffer);
    }

    // Copies one colour target (left shader-readable by the pass) to the host.
    std::vector<char> readTarget(int index, VkDeviceSize pixelSize) const
    {
        const VkDeviceSize size = pixelSize * targetSize * targetSize;
        VkBuffer buffer;
        VkDeviceMemory memory;
        bufferUtils().createBuffer(size, VK_BUFFER_USAGE_TRANSFER_DST_BIT,
                                   VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT, buffer,
                                   memory);
        VkImage image = targets[static_cast<size_t>(index)].image;
        VkCommandBuffer commandBuffer = bufferUtils().beginSingleTimeCommands();
        VkImageMemoryBarrier barrier{};
        barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
        barrier.srcAccessMask = VK_ACCESS_COLOR_ATTACHMENT_WRITE_BIT;
        barrier.dstAccessMask = VK_ACCESS_TRANSFER_READ_BIT;
        barrier.oldLayout = VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL;
        barrier.newLayout = VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL;
        barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
        barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
        barrier.image = image;
        barrier.subresourceRange = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, 0, 1};
        vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT,
                             VK_PIPELINE_STAGE_TRANSFER_BIT, 0, 0, nullptr, 0, nullptr, 1, &barrier);
        VkBufferImageCopy region{};
        region.imageSubresource = {VK_IMAGE_ASPECT_COLOR_BIT, 0, 0, 1};
        region.imageExtent = {targetSize, targetSize, 1};
        vkCmdCopyImageToBuffer(commandBuffer, image, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, buffer, 1, &region);
        bufferUtils().endSingleTimeCommands(commandBuffer);

        std::vector<char> bytes(size);
        void* mapped;
        vkMapMemory(device(), memory, 0, size, 0, &mapped);
        std::memcpy(bytes.data(), mapped, size);
        vkUnmapMemory(device(), memory);
        vkDestroyBuffer(device(), buffer, nullptr);
        vkFreeMemory(device(), memory, nullptr);
        return bytes;
    }

    std::vector<glm::vec4> readHalfFloatTarget(int index) const
    {
        const std::vector<char> bytes = readTarget(index, 4 * sizeof(uint16_t));
        std::vector<glm::vec4> pixels(targetSize * targetSize);
        for (size_t pixel = 0; pixel < pixels.size(); pixel++) {
            std::array<uint16_t, 4> halves;
            std::memcpy(halves.data(), bytes.data() + pixel * sizeof(halves), sizeof(halves));
            for (int channel = 0; channel < 4; channel++) {
                pixels[pixel][channel] = glm::unpackHalf1x16(halves[static_cast<size_t>(channel)]);
            }
        }
        return pixels;
    }

    GBufferPixels render(const FaceColours& colours)
    {
        paintFaces(colours);
        drawCube();
        GBufferPixels pixels;
        const std::vector<char> albedoBytes = readTarget(albedoTarget, 4);
        pixels.albedo.resize(targetSize * targetSize);
        std::memcpy(pixels.albedo.data(), albedoBytes.data(), albedoBytes.size());
        pixels.normal = readHalfFloatTarget(normalTarget);
        pixels.position = readHalfFloatTarget(positionTarget);
        return pixels;
    }

    // Counts the mirror's pixels and, among those not on an edge between
    // faces, the ones showing the face their reflected ray points into.
    struct Tally {
        int mirror = 0;
        int checked = 0;
        int matching = 0;
        std::array<int, 6> seen{};
    };

    Tally tally(const GBufferPixels& pixels, const FaceColours& colours) const
    {
        Tally result;
        for (size_t pixel = 0; pixel < pixels.albedo.size(); pixel++) {
            if (pixels.normal[pixel].w != mirrorKind) {
                continue;
            }
            result.mirror++;
            const glm::vec3 incident = glm::normalize(glm::vec3(pixels.position[pixel]) - camera.position);
            const int expected = faceOf(glm::reflect(incident, glm::normalize(glm::vec3(pixels.normal[pixel]))));
            if (expected < 0) {
                continue;
            }
            result.checked++;
            result.seen[static_cast<size_t>(expected)]++;
            result.matching += faceOfColour(pixels.albedo[pixel], colours) == expected ? 1 : 0;
        }
        return result;
    }

    VkFormat depthFormat = VK_FORMAT_UNDEFINED;
    VkRenderPass gBufferPass = VK_NULL_HANDLE;
    VkRenderPass environmentPass = VK_NULL_HANDLE;
    std::array<Target, 6> targets{};
    VkFramebuffer framebuffer = VK_NULL_HANDLE;
    std::unique_ptr<DynEnvironmentTexture> environment;
    std::unique_ptr<Model> model;
    DynEnvironmentMapDrawPipeline pipeline;
    CubemapObject cube;
    Camera camera;
};

TEST_F(MirrorReflectionTest, EachPixelShowsTheFaceItsReflectedRayMeets)
{
    const GBufferPixels pixels = render(firstColours);
    const Tally result = tally(pixels, firstColours);

    EXPECT_GT(result.mirror, static_cast<int>(targetSize * targetSize / 4));
    EXPECT_GT(result.checked, result.mirror * 3 / 4);
    int facesSeen = 0;
    for (int count : result.seen) {
        facesSeen += count > 50 ? 1 : 0;
    }
    EXPECT_GE(facesSeen, 4) << "the view should reflect into most of the environment";
    EXPECT_GE(result.matching, result.checked * 99 / 100) << result.matching << " of " << result.checked;
}

// The scene behind the camera is what the mirror shows: repainting the faces
// there repaints the mirror, and repainting only the faces it cannot reflect
// changes nothing.
TEST_F(MirrorReflectionTest, MirrorFollowsTheEnvironmentBehindTheCamera)
{
    const GBufferPixels before = render(firstColours);

    // Seen from above the cube's +x, +y, +z corner, the mirror sends every
    // ray down or back: never into the +x or the +y face.
    const Tally reflected = tally(before, firstColours);
    ASSERT_EQ(reflected.seen[0] + reflected.seen[2], 0);
    FaceColours hiddenChanged = firstColours;
    hiddenChanged[0] = glm::vec3(0.0f);
    hiddenChanged[2] = glm::vec3(1.0f);
    EXPECT_EQ(render(hiddenChanged).albedo, before.albedo);

    FaceColours rotated;
    for (size_t face = 0; face < rotated.size(); face++) {
        rotated[face] = firstColours[(face + 1) % rotated.size()];
    }
    const GBufferPixels after = render(rotated);
    const Tally result = tally(after, rotated);
    EXPECT_GE(result.matching, result.checked * 99 / 100) << result.matching << " of " << result.checked;
    int changed = 0;
    for (size_t pixel = 0; pixel < before.albedo.size(); pixel++) {
        changed += before.normal[pixel].w == mirrorKind && before.albedo[pixel] != after.albedo[pixel] ? 1 : 0;
    }
    EXPECT_GT(changed, result.mirror * 9 / 10);
}
