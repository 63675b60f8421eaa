#include "GpuTest.h"
#include "ProjectFiles.h"
#include "SquarePass.h"

#include "base/Framebuffers.h"
#include "base/ImageUtils.h"
#include "base/ReadBack.h"
#include "constants/SurfaceKinds.h"
#include "objects/DefferedDrawObject.h"
#include "pipelines/RenderDefferedPipeline.h"
#include "renderer/MeshDraw.h"
#include "renderer/RenderPasses.h"
#include "scene/Camera.h"

#include <glm/glm.hpp>

#include <array>
#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

// The lighting pass of each display mode over a G-buffer that holds one value
// per target everywhere: the modes that show a stored value must show that
// target's, the overview's quarters must match the modes they name, and no two
// single modes may look alike. A pipeline built for the wrong mode, or picked
// for the wrong one, fails. The G-buffer's depth is left at the far plane in
// the top half (only the sky drawn there) and nearer in the bottom half.

namespace {

constexpr uint32_t size = 16;
constexpr VkFormat targetFormat = VK_FORMAT_R8G8B8A8_SRGB;
const char* planeObj = "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\n"
                       "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n"
                       "f 1/1/1 2/2/1 3/3/1 4/4/1\n";

// One value per G-buffer target, in attachment order.
const std::array<VkClearColorValue, DefferedTexture::AttachmentCount> storedValues = {{
    {{0.2f, 0.5f, 0.8f, 1.0f}},
    {{0.6f, -0.8f, 0.0f, float(KIND_LIT)}},
    {{0.3f, 0.6f, 0.9f, 1.0f}},
    {{0.7f, 0.4f, 0.1f, 1.0f}},
    {{10.0f, -5.0f, 20.0f, 1.0f}},
}};

using Pixel = glm::u8vec4;

// Within the rounding of an sRGB target.
bool alike(const Pixel& a, const Pixel& b)
{
    return std::abs(int(a.r) - int(b.r)) <= 2 && std::abs(int(a.g) - int(b.g)) <= 2 &&
           std::abs(int(a.b) - int(b.b)) <= 2;
}

void expectShows(const Pixel& pixel, const glm::vec3& value)
{
    EXPECT_TRUE(alike(pixel, Pixel(glm::round(value * 255.0f), 255)))
        << int(pixel.r) << " " << int(pixel.g) << " " << int(pixel.b);
}

} // namespace

class DisplayModePipelinesTest : public GpuTest {
protected:
    void SetUp() override
    {
        const VkFormat depthFormat = bufferUtils().findDepthFormat();
        renderPass =
            createPresentationRenderPass(device(), targetFormat, VK_IMAGE_LAYOUT_TRANSFER_SRC_OPTIMAL, depthFormat);
        pipeline = RenderDefferedPipeline(shaderPath("deffered_vert.spv"), shaderPath("deffered_frag.spv"),
                                          bufferUtils(), renderPass);
        model = std::make_unique<Model>(bufferUtils(), dir.write("plane.obj", planeObj), false);
        gBuffer = std::make_unique<DefferedTexture>(bufferUtils(), VkExtent2D{size, size});
        lighting = DefferedDrawObject(bufferUtils(), &pipeline, model.get(), glm::vec3(0.0f), gBuffer.get(), false);
        Camera camera;
        Light light;
        lighting.updateLightBuffer(0.0f, 0.0f, 0, &camera, &light);
        fillGBuffer();

        createImage(bufferUtils(), {size, size, 1, 0}, targetFormat, VK_IMAGE_TILING_OPTIMAL,
                    VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT | VK_IMAGE_USAGE_TRANSFER_SRC_BIT,
                    VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, target, targetMemory);
        createImage(bufferUtils(), {size, size, 1, 0}, depthFormat, VK_IMAGE_TILING_OPTIMAL,
                    VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT, VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, depth,
                    depthMemory);
        views = {createImageView(device(), target, VK_IMAGE_VIEW_TYPE_2D, targetFormat, VK_IMAGE_ASPECT_COLOR_BIT, 0, 1,
                                 "failed to create image view!"),
                 createImageView(device(), depth, VK_IMAGE_VIEW_TYPE_2D, depthFormat, depthStencilAspect(depthFormat),
                                 0, 1, "failed to create image view!")};
        framebuffer = createFramebuffer(device(), renderPass, views, size, size);
        bufferUtils().createBuffer(size * size * sizeof(Pixel), VK_BUFFER_USAGE_TRANSFER_DST_BIT,
                                   VK_MEMORY_PROPERTY_HOST_VISIBLE_BIT | VK_MEMORY_PROPERTY_HOST_COHERENT_BIT,
                                   readBuffer, readMemory);
    }

    void TearDown() override
    {
        vkDestroyBuffer(device(), readBuffer, nullptr);
        vkFreeMemory(device(), readMemory, nullptr);
        vkDestroyFramebuffer(device(), framebuffer, nullptr);
        for (VkImageView view : views) {
            vkDestroyImageView(device(), view, nullptr);
        }
        vkDestroyImage(device(), target, nullptr);
        vkFreeMemory(device(), targetMemory, nullptr);
        vkDestroyImage(device(), depth, nullptr);
        vkFreeMemory(device(), depthMemory, nullptr);
        lighting.cleanup();
        pipeline.cleanup();
        vkDestroyRenderPass(device(), renderPass, nullptr);
    }

    // Frame 0's targets, each cleared to its value and left shader-readable.
    void fillGBuffer() const
    {
        VkCommandBuffer commandBuffer = bufferUtils().beginSingleTimeCommands();
        const VkImageSubresourceRange range{VK_IMAGE_ASPECT_COLOR_BIT, 0, 1, 0, 1};
        for (int attachment = 0; attachment < DefferedTexture::AttachmentCount; attachment++) {
            const VkImage image = gBuffer->getImages(static_cast<DefferedTexture::Attachment>(attachment))[0];
            VkImageMemoryBarrier barrier{};
            barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
            barrier.oldLayout = VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL;
            barrier.newLayout = VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL;
            barrier.dstAccessMask = VK_ACCESS_TRANSFER_WRITE_BIT;
            barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
            barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
            barrier.image = image;
            barrier.subresourceRange = range;
            vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_TOP_OF_PIPE_BIT, VK_PIPELINE_STAGE_TRANSFER_BIT, 0, 0,
                                 nullptr, 0, nullptr, 1, &barrier);
            vkCmdClearColorImage(commandBuffer, image, VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL,
                                 &storedValues[static_cast<size_t>(attachment)], 1, &range);
            barrier.oldLayout = VK_IMAGE_LAYOUT_TRANSFER_DST_OPTIMAL;
            barrier.newLayout = VK_IMAGE_LAYOUT_SHADER_READ_ONLY_OPTIMAL;
            barrier.srcAccessMask = VK_ACCESS_TRANSFER_WRITE_BIT;
            barrier.dstAccessMask = VK_ACCESS_SHADER_READ_BIT;
            vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_TRANSFER_BIT, VK_PIPELINE_STAGE_FRAGMENT_SHADER_BIT,
                                 0, 0, nullptr, 0, nullptr, 1, &barrier);
        }
        bufferUtils().endSingleTimeCommands(commandBuffer);
    }

    // The depth as the G-buffer pass leaves it: the far plane in the top half, nearer below.
    void fillDepth(VkCommandBuffer commandBuffer) const
    {
        const VkClearRect halves[] = {{{{0, 0}, {size, size / 2}}, 0, 1}, {{{0, size / 2}, {size, size / 2}}, 0, 1}};
        VkClearAttachment clears[2]{};
        for (int half = 0; half < 2; half++) {
            clears[half].aspectMask = VK_IMAGE_ASPECT_DEPTH_BIT;
            clears[half].clearValue.depthStencil = {half == 0 ? 1.0f : 0.5f, 0};
            vkCmdClearAttachments(commandBuffer, 1, &clears[half], 1, &halves[half]);
        }
    }

    // The lighting pass as a frame records it for `mode`, read back.
    std::vector<Pixel> render(DisplayMode mode)
    {
        VkCommandBuffer commandBuffer = bufferUtils().beginSingleTimeCommands();
        toDepthAttachment(commandBuffer);
        beginSquarePass(commandBuffer, renderPass, framebuffer, size, {VkClearValue{}, VkClearValue{}});
        fillDepth(commandBuffer);
        const VkViewport viewport{0.0f, 0.0f, float(size), float(size), 0.0f, 1.0f};
        const VkRect2D scissor{{0, 0}, {size, size}};
        vkCmdSetViewport(commandBuffer, 0, 1, &viewport);
        vkCmdSetScissor(commandBuffer, 0, 1, &scissor);
        for (VkPipeline drawn : lighting.getPipelinesFor(mode)) {
            vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, drawn);
            drawMesh(commandBuffer, lighting, lighting.getPipelineLayout(), lighting.getDescriptorSet(0));
        }
        vkCmdEndRenderPass(commandBuffer);
        recordReadBack(commandBuffer, target, {size, size}, readBuffer);
        bufferUtils().endSingleTimeCommands(commandBuffer);
        std::vector<Pixel> pixels(size * size);
        readHostVisible(device(), readMemory, pixels.data(), pixels.size() * sizeof(Pixel));
        return pixels;
    }

    void toDepthAttachment(VkCommandBuffer commandBuffer) const
    {
        VkImageMemoryBarrier barrier{};
        barrier.sType = VK_STRUCTURE_TYPE_IMAGE_MEMORY_BARRIER;
        barrier.oldLayout = VK_IMAGE_LAYOUT_UNDEFINED;
        barrier.newLayout = VK_IMAGE_LAYOUT_DEPTH_STENCIL_ATTACHMENT_OPTIMAL;
        barrier.dstAccessMask =
            VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_READ_BIT | VK_ACCESS_DEPTH_STENCIL_ATTACHMENT_WRITE_BIT;
        barrier.srcQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
        barrier.dstQueueFamilyIndex = VK_QUEUE_FAMILY_IGNORED;
        barrier.image = depth;
        barrier.subresourceRange = {depthStencilAspect(bufferUtils().findDepthFormat()), 0, 1, 0, 1};
        vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_TOP_OF_PIPE_BIT,
                             VK_PIPELINE_STAGE_EARLY_FRAGMENT_TESTS_BIT, 0, 0, nullptr, 0, nullptr, 1, &barrier);
    }

    static Pixel at(const std::vector<Pixel>& pixels, uint32_t x, uint32_t y) { return pixels[y * size + x]; }

    VkRenderPass renderPass = VK_NULL_HANDLE;
    RenderDefferedPipeline pipeline;
    std::unique_ptr<Model> model;
    std::unique_ptr<DefferedTexture> gBuffer;
    DefferedDrawObject lighting;
    VkImage target = VK_NULL_HANDLE;
    VkDeviceMemory targetMemory = VK_NULL_HANDLE;
    VkImage depth = VK_NULL_HANDLE;
    VkDeviceMemory depthMemory = VK_NULL_HANDLE;
    std::vector<VkImageView> views;
    VkFramebuffer framebuffer = VK_NULL_HANDLE;
    VkBuffer readBuffer = VK_NULL_HANDLE;
    VkDeviceMemory readMemory = VK_NULL_HANDLE;
};

TEST_F(DisplayModePipelinesTest, EachModeRunsItsOwnPipeline)
{
    std::array<Pixel, DisplayModeCount> centres{};
    for (int mode = 0; mode < DisplayModeCount; mode++) {
        centres[static_cast<size_t>(mode)] = at(render(static_cast<DisplayMode>(mode)), size / 2 + 1, size / 2 + 1);
    }
    expectShows(centres[ShowNormals], glm::vec3(0.8f, 0.1f, 0.5f));
    expectShows(centres[ShowCoefficients], glm::vec3(0.3f, 0.6f, 0.9f));
    expectShows(centres[ShowMaterial], glm::vec3(0.7f, 0.4f, 0.1f));

    const std::set<std::array<int, 3>> distinct = [&] {
        std::set<std::array<int, 3>> colours;
        for (int mode = ShowFinal; mode <= ShowLighting; mode++) {
            const Pixel& pixel = centres[static_cast<size_t>(mode)];
            colours.insert({pixel.r, pixel.g, pixel.b});
        }
        return colours;
    }();
    EXPECT_EQ(distinct.size(), size_t{ShowLighting + 1});

    // The overview's quarters show albedo, normals, lighting and the final image, in some order.
    const std::vector<Pixel> overview = render(ShowOverview);
    std::multiset<int> shownModes;
    for (uint32_t y : {size / 4, 3 * size / 4}) {
        for (uint32_t x : {size / 4, 3 * size / 4}) {
            for (int mode = ShowFinal; mode <= ShowLighting; mode++) {
                if (alike(at(overview, x, y), centres[static_cast<size_t>(mode)])) {
                    shownModes.insert(mode);
                }
            }
        }
    }
    EXPECT_EQ(shownModes, (std::multiset<int>{ShowFinal, ShowAlbedo, ShowNormals, ShowLighting}));
}

// The final image lights the pixels a surface covers and shows the stored colour, unlit, where
// only the sky was drawn; no other mode looks at the depth.
TEST_F(DisplayModePipelinesTest, TheFinalImageLightsOnlyWhereASurfaceWasDrawn)
{
    // The target keeps what the last pass left where nothing is drawn: normals, unlike albedo.
    const std::vector<Pixel> normals = render(ShowNormals);
    const std::vector<Pixel> final = render(ShowFinal);
    const std::vector<Pixel> albedo = render(ShowAlbedo);
    EXPECT_FALSE(alike(at(final, 5, size - 3), at(albedo, 5, size - 3)));
    for (uint32_t y : {0u, size / 2 - 1}) {
        EXPECT_EQ(at(final, 5, y), at(albedo, 5, y)) << "row " << y;
        EXPECT_EQ(at(final, 5, size - 1 - y), at(final, 5, size / 2)) << "row " << size - 1 - y;
        EXPECT_EQ(at(normals, 5, y), at(normals, 5, size - 1 - y));
    }
}

TEST_F(DisplayModePipelinesTest, AValueNamingNoModeShowsTheFinalImage)
{
    EXPECT_EQ(lighting.getPipelineFor(static_cast<DisplayMode>(DisplayModeCount)), pipeline.getPipeline());
    EXPECT_EQ(lighting.getPipelineFor(static_cast<DisplayMode>(-1)), lighting.getPipelineFor(ShowFinal));
    EXPECT_NE(lighting.getPipelineFor(ShowAlbedo), lighting.getPipelineFor(ShowFinal));
}
