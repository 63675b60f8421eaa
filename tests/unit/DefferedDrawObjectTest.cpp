#include "objects/DefferedDrawObject.h"
#include "scene/UniformRecords.h"

#include "GpuTest.h"
#include "ProjectFiles.h"
#include "SquarePass.h"

#include "scene/Camera.h"
#include "pipelines/RenderDefferedPipeline.h"
#include "base/Framebuffers.h"
#include "renderer/MeshDraw.h"
#include "renderer/RenderPasses.h"
#include "textures/DefferedTexture.h"
#include "base/ImageUtils.h"

#include <cstring>
#include <memory>

namespace {

const char* planeObj = "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\n"
                       "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n"
                       "f 1/1/1 2/2/1 3/3/1 4/4/1\n";

class DefferedDrawObjectTest : public GpuTest {
protected:
    void SetUp() override
    {
        renderPass = createPresentationRenderPass(device(), VK_FORMAT_B8G8R8A8_SRGB, VK_IMAGE_LAYOUT_PRESENT_SRC_KHR,
                                                  bufferUtils().findDepthFormat());
        pipeline = RenderDefferedPipeline(shaderPath("deffered_vert.spv"), shaderPath("deffered_frag.spv"),
                                          bufferUtils(), renderPass);
        model = std::make_unique<Model>(bufferUtils(), dir.write("plane.obj", planeObj), false);
        gBuffer = std::make_unique<DefferedTexture>(bufferUtils());
        lighting = DefferedDrawObject(bufferUtils(), &pipeline, model.get(), glm::vec3(0.0f), gBuffer.get(), false);
    }

    void TearDown() override
    {
        lighting.cleanup();
        pipeline.cleanup();
        vkDestroyRenderPass(device(), renderPass, nullptr);
    }

    // One attachment of a square pass: the image, its memory and its view.
    struct Attachment {
        VkImage image = VK_NULL_HANDLE;
        VkDeviceMemory memory = VK_NULL_HANDLE;
        VkImageView view = VK_NULL_HANDLE;
    };

    Attachment makeAttachment(uint32_t size, VkFormat format, VkImageUsageFlags usage, VkImageAspectFlags aspect)
    {
        Attachment attachment;
        createImage(bufferUtils(), ImageShape{size, size, 1, 0}, format, VK_IMAGE_TILING_OPTIMAL, usage,
                    VK_MEMORY_PROPERTY_DEVICE_LOCAL_BIT, attachment.image, attachment.memory);
        attachment.view = createImageView(device(), attachment.image, VK_IMAGE_VIEW_TYPE_2D, format, aspect, 0, 1,
                                          "failed to create attachment view!");
        return attachment;
    }

    void destroy(const Attachment& attachment)
    {
        vkDestroyImageView(device(), attachment.view, nullptr);
        vkDestroyImage(device(), attachment.image, nullptr);
        vkFreeMemory(device(), attachment.memory, nullptr);
    }

    // Records the lighting pass into `framebuffer` as a frame does, without
    // submitting it: the G-buffer targets were never drawn, so they are not in
    // the layout that sampling needs. The layer checks at recording time that
    // the pipeline suits the render pass.
    void recordLighting(VkRenderPass renderPass, VkFramebuffer framebuffer, uint32_t size)
    {
        VkCommandBufferAllocateInfo allocInfo{};
        allocInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_ALLOCATE_INFO;
        allocInfo.commandPool = context().commandPool();
        allocInfo.level = VK_COMMAND_BUFFER_LEVEL_PRIMARY;
        allocInfo.commandBufferCount = 1;
        VkCommandBuffer commandBuffer = VK_NULL_HANDLE;
        ASSERT_EQ(vkAllocateCommandBuffers(device(), &allocInfo, &commandBuffer), VK_SUCCESS);
        VkCommandBufferBeginInfo beginInfo{};
        beginInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_BEGIN_INFO;
        vkBeginCommandBuffer(commandBuffer, &beginInfo);

        VkClearValue color{};
        VkClearValue depth{};
        depth.depthStencil = {1.0f, 0};
        beginSquarePass(commandBuffer, renderPass, framebuffer, size, {color, depth});
        vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, lighting.getPipelineFor(ShowFinal));
        const VkViewport viewport{0.0f, 0.0f, static_cast<float>(size), static_cast<float>(size), 0.0f, 1.0f};
        const VkRect2D scissor{{0, 0}, {size, size}};
        vkCmdSetViewport(commandBuffer, 0, 1, &viewport);
        vkCmdSetScissor(commandBuffer, 0, 1, &scissor);
        drawMesh(commandBuffer, lighting, lighting.getPipelineLayout(), lighting.getDescriptorSet(0));
        vkCmdEndRenderPass(commandBuffer);
        vkEndCommandBuffer(commandBuffer);
        vkFreeCommandBuffers(device(), context().commandPool(), 1, &commandBuffer);
    }

    LightBufferObject lightRecordOf(uint32_t frame) const
    {
        LightBufferObject record;
        std::memcpy(&record, lighting.getMappedUniformBuffer(frame), sizeof(record));
        return record;
    }

    VkRenderPass renderPass = VK_NULL_HANDLE;
    RenderDefferedPipeline pipeline;
    std::unique_ptr<Model> model;
    std::unique_ptr<DefferedTexture> gBuffer;
    DefferedDrawObject lighting;
};

} // namespace

TEST_F(DefferedDrawObjectTest, LightBufferOfAFrameHoldsLightAndCamera)
{
    Camera camera;
    camera.position = glm::vec3(1.0f, 2.0f, 3.0f);
    Light light;
    lighting.updateLightBuffer(0.0f, 0.016f, 1, &camera, &light);
    camera.position = glm::vec3(-4.0f, 0.5f, 9.0f);
    light.color = glm::vec3(0.2f, 0.3f, 0.4f);
    lighting.updateLightBuffer(0.0f, 0.016f, 0, &camera, &light);

    const LightBufferObject first = lightRecordOf(1);
    EXPECT_EQ(first.direction, glm::vec3(-1.0f));
    EXPECT_EQ(first.color, glm::vec3(1.0f));
    EXPECT_EQ(first.cameraPosition, glm::vec3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(first.padding0 + first.padding1 + first.padding2, 0.0f);

    const LightBufferObject second = lightRecordOf(0);
    EXPECT_EQ(second.color, glm::vec3(0.2f, 0.3f, 0.4f));
    EXPECT_EQ(second.cameraPosition, glm::vec3(-4.0f, 0.5f, 9.0f));
}

// A copy made before the member is assigned shares the handles; only the kept
// copy is cleaned up, so nothing is released twice or left behind.
TEST_F(DefferedDrawObjectTest, CopiesShareTheSameSetsAndBuffers)
{
    DefferedDrawObject copy = lighting;
    EXPECT_EQ(copy.getDescriptorSet(0), lighting.getDescriptorSet(0));
    EXPECT_EQ(copy.getPipeline(), pipeline.getPipeline());
    EXPECT_EQ(copy.getIndices().size(), 6u);
    EXPECT_NE(lighting.getDescriptorSet(0), lighting.getDescriptorSet(1));
}

// The recordings keep using the same sets after a resize, so they are rewritten
// in place; writing a view that no longer exists would be reported by the layer.
TEST_F(DefferedDrawObjectTest, ResizingTheTargetsKeepsTheSetsAndFollowsTheNewSize)
{
    const VkDescriptorSet first = lighting.getDescriptorSet(0);
    const VkDescriptorSet second = lighting.getDescriptorSet(1);
    lighting.resizeTargets({800, 450});
    EXPECT_EQ(gBuffer->getExtent().width, 800u);
    EXPECT_EQ(gBuffer->getExtent().height, 450u);
    EXPECT_EQ(lighting.getDescriptorSet(0), first);
    EXPECT_EQ(lighting.getDescriptorSet(1), second);
}

// A swap chain on another display may come in another format, with a
// presentation pass to match; the lighting pipeline rebuilt for that pass
// draws in it, and keeps the layouts that the lighting object's sets were
// made for.
TEST_F(DefferedDrawObjectTest, PipelineRebuiltForAPassOfAnotherFormatDrawsInIt)
{
    const uint32_t size = 16;
    const VkFormat depthFormat = bufferUtils().findDepthFormat();
    const VkRenderPass unormPass =
        createPresentationRenderPass(device(), VK_FORMAT_R8G8B8A8_UNORM, VK_IMAGE_LAYOUT_PRESENT_SRC_KHR, depthFormat);
    const Attachment color =
        makeAttachment(size, VK_FORMAT_R8G8B8A8_UNORM, VK_IMAGE_USAGE_COLOR_ATTACHMENT_BIT, VK_IMAGE_ASPECT_COLOR_BIT);
    const Attachment depth =
        makeAttachment(size, depthFormat, VK_IMAGE_USAGE_DEPTH_STENCIL_ATTACHMENT_BIT, depthStencilAspect(depthFormat));
    const VkFramebuffer framebuffer = createFramebuffer(device(), unormPass, {color.view, depth.view}, size, size);

    const VkPipelineLayout layout = pipeline.getPipelineLayout();
    const VkDescriptorSetLayout setLayout = pipeline.getDescriptorSetLayout();
    pipeline.rebuildFor(unormPass);
    EXPECT_EQ(pipeline.getPipelineLayout(), layout);
    EXPECT_EQ(pipeline.getDescriptorSetLayout(), setLayout);
    EXPECT_EQ(lighting.getPipeline(), pipeline.getPipeline());
    recordLighting(unormPass, framebuffer, size);

    vkDestroyFramebuffer(device(), framebuffer, nullptr);
    destroy(depth);
    destroy(color);
    vkDestroyRenderPass(device(), unormPass, nullptr);
}
