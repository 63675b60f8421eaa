#include "objects/ImageObject.h"
#include "objects/ObjectList.h"
#include "scene/UniformRecords.h"

#include "FixtureImages.h"
#include "FixtureMeshes.h"
#include "GlmExpectations.h"
#include "GpuTest.h"
#include "ProjectFiles.h"

#include "scene/Camera.h"
#include "pipelines/ImagePipeline.h"
#include "renderer/RenderPasses.h"
#include "textures/ImageTexture.h"

#include <glm/gtc/constants.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <cstring>
#include <deque>
#include <memory>

namespace {

const glm::vec3 noScale(1.0f);
const glm::vec3 xAxis(1.0f, 0.0f, 0.0f);
const glm::vec3 yAxis(0.0f, 1.0f, 0.0f);

// A path bending through all three axes, so that its rotation is never trivial.
const char* curvedPath = "0,0,0,0\n1,10,2,-5\n2,20,5,0\n3,30,0,-10\n4,35,-3,-20\n";

class ImageObjectTest : public GpuTest {
protected:
    void SetUp() override
    {
        renderPass = createGBufferRenderPass(device(), bufferUtils().findDepthFormat());
        pipeline =
            ImagePipeline(shaderPath("image_vert.spv"), shaderPath("image_frag.spv"), bufferUtils(), renderPass, 5);
        model = std::make_unique<Model>(bufferUtils(), dir.write("cube.obj", cubeObj), true);
        texture = std::make_unique<ImageTexture>(bufferUtils(), writeImage(dir, "albedo.png", {200, 120, 40}),
                                                 writeImage(dir, "normal.jpg", {128, 128, 255}),
                                                 glm::vec3(0.1f, 0.2f, 0.3f), 0.4f, 0.5f, 0.6f);
        camera.view = glm::lookAt(glm::vec3(0.0f, 5.0f, 10.0f), glm::vec3(0.0f), yAxis);
        camera.proj = glm::perspective(glm::radians(45.0f), 16.0f / 9.0f, 0.1f, 100.0f);
    }

    void TearDown() override
    {
        for (ImageObject& object : objects) {
            object.cleanup();
        }
        texture->cleanup();
        model->cleanup();
        pipeline.cleanup();
        vkDestroyRenderPass(device(), renderPass, nullptr);
    }

    ImageObject& makeObject(glm::vec3 position, float angle, glm::vec3 axis, glm::vec3 scale,
                            const Path* path = nullptr, bool isCameraTarget = false)
    {
        objects.emplace_back(bufferUtils(), &pipeline, model.get(), texture.get(), position, angle, axis, scale, path,
                             0.75f, isCameraTarget);
        return objects.back();
    }

    Path loadPath(const char* contents) const
    {
        Path path;
        path.loadFromFile(dir.write("path.csv", contents));
        return path;
    }

    static UniformBufferObject uniformOf(const ImageObject& object, uint32_t frame, ViewPass pass = ViewPass::Camera)
    {
        UniformBufferObject ubo;
        std::memcpy(&ubo, object.getMappedUniformBuffer(frame, pass), sizeof(ubo));
        return ubo;
    }

    static glm::vec3 originOf(const ImageObject& object, uint32_t frame, ViewPass pass = ViewPass::Camera)
    {
        return glm::vec3(uniformOf(object, frame, pass).model * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
    }

    VkRenderPass renderPass = VK_NULL_HANDLE;
    ImagePipeline pipeline;
    std::unique_ptr<Model> model;
    std::unique_ptr<ImageTexture> texture;
    std::deque<ImageObject> objects;
    Camera camera;
};

} // namespace

// The translation acts in object space: the origin lands at S · R · position.
TEST_F(ImageObjectTest, WithoutPathTheOriginIsScaledAndRotatedPosition)
{
    ImageObject& flipped = makeObject({20.0f, -3.0f, 0.0f}, glm::pi<float>(), xAxis, noScale);
    ImageObject& scaled = makeObject({20.0f, -3.0f, 0.0f}, glm::pi<float>(), xAxis, glm::vec3(2.0f));
    flipped.update(0.0f, 0.016f, 0, &camera);
    scaled.update(0.0f, 0.016f, 0, &camera);

    expectVec3Near(originOf(flipped, 0), {20.0f, 3.0f, 0.0f}, placedPointTolerance);
    expectVec3Near(originOf(scaled, 0), {40.0f, 6.0f, 0.0f}, placedPointTolerance);
}

TEST_F(ImageObjectTest, WithoutPathThePlacementNeverChanges)
{
    ImageObject& object = makeObject({1.0f, 2.0f, 3.0f}, 0.5f, yAxis, glm::vec3(1.5f));
    object.update(0.0f, 0.016f, 0, &camera);
    const glm::mat4 first = uniformOf(object, 0).model;
    object.update(40.0f, 0.016f, 0, &camera);
    EXPECT_EQ(uniformOf(object, 0).model, first);
}

TEST_F(ImageObjectTest, WithPathTheOriginIsExactlyThePathPosition)
{
    const Path path = loadPath(curvedPath);
    ImageObject& object = makeObject({100.0f, 100.0f, 100.0f}, 0.7f, yAxis, glm::vec3(3.0f), &path);
    for (float time : {0.0f, 0.5f, 1.7f, 3.2f}) {
        object.update(time, 0.016f, 0, &camera);
        expectVec3Near(originOf(object, 0), path.getPosition(time), placedPointTolerance);
        object.updateWithViewProj(time, 0.016f, 1, camera.view, camera.proj);
        expectVec3Near(originOf(object, 1, ViewPass::Environment), path.getPosition(time), placedPointTolerance);
    }
}

// Along the reference direction the path rotation is the identity; against it, a half turn.
TEST_F(ImageObjectTest, PathsAlongAndAgainstTheReferenceDirectionStayFinite)
{
    const Path ahead = loadPath("0,0,0,0\n1,0,0,-10\n2,0,0,-20\n");
    const Path back = loadPath("0,0,0,0\n1,0,0,10\n2,0,0,20\n");
    ImageObject& forward = makeObject(glm::vec3(0.0f), 0.0f, yAxis, noScale, &ahead);
    ImageObject& reverse = makeObject(glm::vec3(0.0f), 0.0f, yAxis, noScale, &back);
    forward.update(1.0f, 0.016f, 0, &camera);
    reverse.update(1.0f, 0.016f, 0, &camera);

    expectVec3Near(originOf(forward, 0), {0.0f, 0.0f, -10.0f}, placedPointTolerance);
    expectVec3Near(originOf(reverse, 0), {0.0f, 0.0f, 10.0f}, placedPointTolerance);
    const glm::vec3 reverseFront(uniformOf(reverse, 0).model * glm::vec4(0.0f, 0.0f, -1.0f, 0.0f));
    expectVec3Near(reverseFront, {0.0f, 0.0f, 1.0f}, placedPointTolerance);
}

TEST_F(ImageObjectTest, OnlyUpdateMovesTheCameraTarget)
{
    const Path path = loadPath(curvedPath);
    ImageObject& ship = makeObject(glm::vec3(0.0f), 0.0f, yAxis, noScale, &path, true);
    ImageObject& follower = makeObject(glm::vec3(0.0f), 0.0f, yAxis, noScale, &path, false);

    follower.update(1.5f, 0.016f, 0, &camera);
    EXPECT_EQ(camera.target, glm::vec3(0.0f));

    ship.updateWithViewProj(1.5f, 0.016f, 0, camera.view, camera.proj);
    EXPECT_EQ(camera.target, glm::vec3(0.0f));

    ship.update(2.5f, 0.016f, 0, &camera);
    expectVec3Near(camera.target, path.getPosition(2.5f), placedPointTolerance);
}

// Each view of each frame has a record of its own: the environment's matrices
// never reach the camera's record, which the G-buffer pass of the same frame reads.
TEST_F(ImageObjectTest, UpdateWritesOnlyTheBuffersOfItsFrameAndView)
{
    ImageObject& object = makeObject({1.0f, 0.0f, 0.0f}, 0.0f, yAxis, noScale);
    object.update(0.0f, 0.016f, 0, &camera);
    object.update(0.0f, 0.016f, 1, &camera);
    const glm::mat4 otherView = glm::lookAt(glm::vec3(7.0f, 1.0f, 0.0f), glm::vec3(0.0f), yAxis);
    const glm::mat4 otherProj = glm::perspective(glm::radians(90.0f), 1.0f, 0.1f, 100.0f);
    object.updateWithViewProj(0.0f, 0.016f, 1, otherView, otherProj);
    object.updateWithViewProj(0.0f, 0.016f, 0, otherView, otherProj);

    const UniformBufferObject first = uniformOf(object, 0);
    EXPECT_EQ(first.view, camera.view);
    EXPECT_EQ(first.proj, camera.proj);
    EXPECT_EQ(first.scalar, 0.75f);
    EXPECT_EQ(object.getUniforms(ViewPass::Camera).view, camera.view);
    const UniformBufferObject second = uniformOf(object, 1, ViewPass::Environment);
    EXPECT_EQ(second.view, otherView);
    EXPECT_EQ(second.proj, otherProj);
    EXPECT_EQ(uniformOf(object, 1).view, camera.view);
    EXPECT_EQ(uniformOf(object, 0, ViewPass::Environment).view, otherView);
    EXPECT_EQ(object.getUniforms(ViewPass::Environment).view, otherView);

    for (uint32_t frame : {0u, 1u}) {
        MaterialBufferObject material;
        std::memcpy(&material, object.getMappedMaterialBuffer(frame), sizeof(material));
        EXPECT_EQ(material.materialVector, glm::vec3(0.1f, 0.2f, 0.3f));
        EXPECT_EQ(material.coefficient1, 0.4f);
        EXPECT_EQ(material.coefficient2, 0.5f);
        EXPECT_EQ(material.coefficient3, 0.6f);
        EXPECT_EQ(material.padding[0], 0.0f);
        EXPECT_EQ(material.padding[1], 0.0f);
    }
}

TEST_F(ImageObjectTest, DescriptorSetOfAFrameUsesThatFramesBuffers)
{
    ImageObject& object = makeObject(glm::vec3(0.0f), 0.0f, yAxis, noScale);
    EXPECT_NE(object.getUniformBuffer(0), object.getUniformBuffer(1));
    EXPECT_NE(object.getDescriptorSet(0), object.getDescriptorSet(1));
    for (uint32_t frame : {0u, 1u}) {
        for (ViewPass pass : {ViewPass::Camera, ViewPass::Environment}) {
            const auto infos = object.frameBufferInfos(frame, pass);
            EXPECT_EQ(infos[0].buffer, object.getUniformBuffer(frame, pass));
            EXPECT_EQ(infos[0].range, 208u);
            EXPECT_EQ(infos[1].buffer, object.getMaterialBuffer(frame));
            EXPECT_EQ(infos[1].range, 32u);
        }
        EXPECT_NE(object.getUniformBuffer(frame, ViewPass::Camera),
                  object.getUniformBuffer(frame, ViewPass::Environment));
        EXPECT_NE(object.getDescriptorSet(frame, ViewPass::Camera),
                  object.getDescriptorSet(frame, ViewPass::Environment));
    }
}

// Textures and meshes are shared; every object cleans up what it uses and
// the validation layer reports any second destruction.
TEST_F(ImageObjectTest, ObjectsSharingTextureAndMeshCleanUpOnce)
{
    makeObject({1.0f, 0.0f, 0.0f}, 0.0f, yAxis, noScale);
    makeObject({2.0f, 0.0f, 0.0f}, 0.0f, yAxis, noScale);
    makeObject({3.0f, 0.0f, 0.0f}, 0.0f, yAxis, noScale);
}

TEST_F(ImageObjectTest, ObjectListForwardsToEveryObject)
{
    ObjectList list(&pipeline);
    EXPECT_EQ(list.getPipeline(), pipeline.getPipeline());
    EXPECT_EQ(list.getPipelineLayout(), pipeline.getPipelineLayout());

    ImageObject& first = makeObject({1.0f, 0.0f, 0.0f}, 0.0f, yAxis, noScale);
    ImageObject& second = makeObject({2.0f, 0.0f, 0.0f}, 0.0f, yAxis, noScale);
    list.add(&first);
    list.add(&second);
    ASSERT_EQ(list.getObjects().size(), 2u);
    EXPECT_EQ(list.getObjects()[1], &second);

    list.update(0.0f, 0.016f, 1, &camera);
    expectVec3Near(originOf(first, 1), {1.0f, 0.0f, 0.0f}, placedPointTolerance);
    expectVec3Near(originOf(second, 1), {2.0f, 0.0f, 0.0f}, placedPointTolerance);

    const glm::mat4 otherView = glm::lookAt(glm::vec3(0.0f, 0.0f, 9.0f), glm::vec3(0.0f), yAxis);
    list.updateWithViewProj(0.0f, 0.016f, 0, otherView, camera.proj);
    EXPECT_EQ(uniformOf(first, 0, ViewPass::Environment).view, otherView);
    EXPECT_EQ(uniformOf(second, 0, ViewPass::Environment).view, otherView);
}

TEST_F(ImageObjectTest, EmptyObjectListDoesNothing)
{
    ObjectList list(&pipeline);
    list.update(0.0f, 0.016f, 0, &camera);
    list.updateWithViewProj(0.0f, 0.016f, 0, camera.view, camera.proj);
    list.cleanup();
    EXPECT_TRUE(list.getObjects().empty());
}

// The renderer skips an object whose draw repeats an earlier one; only a repeat in every respect
// that reaches the fragments may count as one.
TEST_F(ImageObjectTest, ADrawRepeatsAnotherOnlyWithTheSameMeshTextureAndPlace)
{
    ImageObject& first = makeObject(glm::vec3(1.0f, 2.0f, 3.0f), glm::pi<float>(), xAxis, noScale);
    ImageObject& twin = makeObject(glm::vec3(1.0f, 2.0f, 3.0f), glm::pi<float>(), xAxis, noScale);
    ImageObject& moved = makeObject(glm::vec3(1.0f, 2.0f, 3.5f), glm::pi<float>(), xAxis, noScale);
    ImageObject& turned = makeObject(glm::vec3(1.0f, 2.0f, 3.0f), glm::pi<float>(), yAxis, noScale);
    for (ImageObject* object : {&first, &twin, &moved, &turned}) {
        object->update(0.0f, 0.0f, 0, &camera);
    }
    EXPECT_TRUE(twin.drawsLike(first));
    EXPECT_FALSE(moved.drawsLike(first));
    EXPECT_FALSE(turned.drawsLike(first));

    ImageTexture otherTexture(bufferUtils(), writeImage(dir, "other.png", {10, 20, 30}),
                              writeImage(dir, "other_normal.jpg", {128, 128, 255}), glm::vec3(0.1f, 0.2f, 0.3f), 0.4f,
                              0.5f, 0.6f);
    ImageObject painted(bufferUtils(), &pipeline, model.get(), &otherTexture, glm::vec3(1.0f, 2.0f, 3.0f),
                        glm::pi<float>(), xAxis, noScale, nullptr, 0.75f, false);
    painted.update(0.0f, 0.0f, 0, &camera);
    EXPECT_FALSE(painted.drawsLike(first));

    // A view written into one object but not yet into its twin is no repeat either.
    twin.updateWithViewProj(0.0f, 0.0f, 0, glm::mat4(1.0f), camera.proj);
    EXPECT_FALSE(twin.drawsLike(first, ViewPass::Environment));
    first.updateWithViewProj(0.0f, 0.0f, 0, glm::mat4(1.0f), camera.proj);
    EXPECT_TRUE(twin.drawsLike(first, ViewPass::Environment));
    painted.cleanup();
}
