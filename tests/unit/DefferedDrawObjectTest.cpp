#include "objects/DefferedDrawObject.h"
#include "objects/UniformRecords.h"

#include "SceneFixtures.h"

#include "app/Camera.h"
#include "pipelines/RenderDefferedPipeline.h"
#include "renderer/RenderPasses.h"
#include "textures/DefferedTexture.h"

#include <cstring>
#include <memory>

namespace {

const char* planeObj = "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\n"
                       "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n"
                       "f 1/1/1 2/2/1 3/3/1 4/4/1\n";

class DefferedDrawObjectTest : public VulkanObjectTest {
protected:
    void SetUp() override
    {
        renderPass = createPresentationRenderPass(context.device(), VK_FORMAT_B8G8R8A8_SRGB,
                                                  VK_IMAGE_LAYOUT_PRESENT_SRC_KHR, bufferUtils.findDepthFormat());
        pipeline = RenderDefferedPipeline(shaderPath("deffered_vert.spv"), shaderPath("deffered_frag.spv"),
                                          bufferUtils, renderPass);
        model = std::make_unique<Model>(bufferUtils, dir.write("plane.obj", planeObj), false);
        gBuffer = std::make_unique<DefferedTexture>(bufferUtils);
        lighting = DefferedDrawObject(bufferUtils, &pipeline, model.get(), glm::vec3(0.0f), gBuffer.get(), false);
    }

    void TearDown() override
    {
        lighting.cleanup();
        pipeline.cleanup();
        vkDestroyRenderPass(context.device(), renderPass, nullptr);
        VulkanObjectTest::TearDown();
    }

    LightBufferObject lightRecordOf(uint32_t frame) const
    {
        LightBufferObject record;
        std::memcpy(&record, lighting.getMappedUniformBuffer(frame), sizeof(record));
        return record;
    }

    BufferUtils bufferUtils = context.bufferUtils();
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
