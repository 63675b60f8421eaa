#include "objects/CubemapObject.h"
#include "scene/UniformRecords.h"

#include "FixtureImages.h"
#include "FixtureMeshes.h"
#include "GlmExpectations.h"
#include "GpuTest.h"
#include "ProjectFiles.h"

#include "AssetFiles.h"
#include "scene/Camera.h"
#include "pipelines/CubemapPipeline.h"
#include "pipelines/DynEnvironmentMapDrawPipeline.h"
#include "pipelines/ImagePipeline.h"
#include "renderer/RenderPasses.h"
#include "textures/DynEnvironmentTexture.h"
#include "textures/StaticEnvironmentTexture.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>

namespace {

const glm::vec3 up(0.0f, 1.0f, 0.0f);

void expectThrowsMessage(const std::function<void()>& operation, const std::string& message)
{
    try {
        operation();
        ADD_FAILURE() << "no exception, expected \"" << message << "\"";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), message);
    }
}

class CubemapObjectTest : public GpuTest {
protected:
    void SetUp() override
    {
        renderPass = createGBufferRenderPass(device(), bufferUtils().findDepthFormat());
        model = std::make_unique<Model>(bufferUtils(), dir.write("cube.obj", cubeObj), false);
        camera.position = glm::vec3(4.0f, 3.0f, 12.0f);
        camera.view = glm::lookAt(camera.position, glm::vec3(0.0f), up);
        camera.proj = glm::perspective(glm::radians(45.0f), 16.0f / 9.0f, 0.1f, 200.0f);
    }

    void TearDown() override
    {
        for (Pipeline* pipeline : pipelines) {
            pipeline->cleanup();
        }
        vkDestroyRenderPass(device(), renderPass, nullptr);
        if (environmentPass != VK_NULL_HANDLE) {
            vkDestroyRenderPass(device(), environmentPass, nullptr);
        }
    }

    CubemapObject makeSky()
    {
        for (const char* face : assetFiles::cubeFaceFiles) {
            writeImage(dir, face, {90, 140, 220});
        }
        skyPipeline = CubemapPipeline(shaderPath("cubemap_vert.spv"), shaderPath("cubemap_frag.spv"), bufferUtils(),
                                      renderPass, 5);
        pipelines.push_back(&skyPipeline);
        skyTexture = std::make_unique<StaticEnvironmentTexture>(bufferUtils(), dir.path().string());
        return CubemapObject(bufferUtils(), &skyPipeline, model.get(), skyTexture.get(), false);
    }

    CubemapObject makeReflectiveCube()
    {
        envMapPipeline = DynEnvironmentMapDrawPipeline(shaderPath("envMapDraw_vert.spv"),
                                                       shaderPath("envMapDraw_frag.spv"), bufferUtils(), renderPass);
        pipelines.push_back(&envMapPipeline);
        environment = std::make_unique<DynEnvironmentTexture>(bufferUtils(), 16, 16, 4);
        return CubemapObject(bufferUtils(), &envMapPipeline, model.get(), environment.get(), true);
    }

    static UniformBufferObject uniformOf(const CubemapObject& object, uint32_t frame, ViewPass pass = ViewPass::Camera)
    {
        UniformBufferObject ubo;
        std::memcpy(&ubo, object.getMappedUniformBuffer(frame, pass), sizeof(ubo));
        return ubo;
    }

    static CameraBufferObject cameraRecordOf(const CubemapObject& object, uint32_t frame)
    {
        CameraBufferObject cubo;
        std::memcpy(&cubo, object.getMappedCameraBuffer(frame), sizeof(cubo));
        return cubo;
    }

    VkRenderPass renderPass = VK_NULL_HANDLE;
    VkRenderPass environmentPass = VK_NULL_HANDLE;
    std::unique_ptr<Model> model;
    CubemapPipeline skyPipeline;
    DynEnvironmentMapDrawPipeline envMapPipeline;
    std::vector<Pipeline*> pipelines;
    std::unique_ptr<StaticEnvironmentTexture> skyTexture;
    std::unique_ptr<DynEnvironmentTexture> environment;
    Camera camera;
};

} // namespace

TEST_F(CubemapObjectTest, StaticCubeRefusesTheDynamicOperations)
{
    CubemapObject sky = makeSky();
    Pipeline* anyPipeline = &skyPipeline;
    expectThrowsMessage([&] { sky.setImageToCubePipeline(anyPipeline); },
                        "cannot set this pipeline on static cubemap!");
    expectThrowsMessage([&] { sky.setCubeToCubePipeline(anyPipeline); }, "cannot set this pipeline on static cubemap!");
    expectThrowsMessage([&] { sky.setPosition(glm::vec3(1.0f)); }, "cannot set position on static cubemap!");
    expectThrowsMessage([&] { sky.getPosition(); }, "cannot get position of static cubemap!");
    expectThrowsMessage([&] { sky.getImageToCubePipeline(); }, "cannot return this pipeline on static cubemap!");
    expectThrowsMessage([&] { sky.getImageToCubePipelineLayout(); },
                        "cannot return this pipeline layout on static cubemap!");
    expectThrowsMessage([&] { sky.getCubeToCubePipeline(); }, "cannot return this pipeline on static cubemap!");
    expectThrowsMessage([&] { sky.getCubeToCubePipelineLayout(); },
                        "cannot return this pipeline layout on static cubemap!");
    expectThrowsMessage([&] { sky.updateAtPosition(0, &camera, glm::vec3(1.0f)); },
                        "cannot get position of static cubemap!");
    sky.cleanup();
}

// The sky stays at infinity: moving the camera must not move it.
TEST_F(CubemapObjectTest, SkyViewCarriesNoTranslation)
{
    CubemapObject sky = makeSky();
    sky.updateAsSkybox(1, &camera);
    const UniformBufferObject ubo = uniformOf(sky, 1);
    EXPECT_EQ(ubo.model, glm::mat4(1.0f));
    EXPECT_EQ(ubo.proj, camera.proj);
    EXPECT_EQ(ubo.view[3], glm::vec4(0.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(glm::mat3(ubo.view), glm::mat3(camera.view));
    EXPECT_EQ(ubo.scalar, 0.0f);

    const glm::mat4 movedView = glm::translate(camera.view, glm::vec3(-30.0f, 5.0f, 2.0f));
    sky.updateAsSkyboxWithViewProj(1, glm::rotate(movedView, 1.0f, glm::vec3(0.0f, 1.0f, 0.0f)), camera.proj);
    sky.updateAsSkyboxWithViewProj(0, movedView, camera.proj);
    EXPECT_EQ(uniformOf(sky, 0, ViewPass::Environment).view, ubo.view);
    EXPECT_EQ(uniformOf(sky, 1).view, ubo.view);
    sky.cleanup();
}

TEST_F(CubemapObjectTest, ReflectiveCubeSitsAtItsPositionScaled)
{
    CubemapObject cube = makeReflectiveCube();
    const glm::vec3 position(0.0f, -10.0f, 30.0f);
    cube.setPosition(position);
    EXPECT_EQ(cube.getPosition(), position);

    cube.updateAtPosition(1, &camera, glm::vec3(0.6f));
    const UniformBufferObject ubo = uniformOf(cube, 1);
    expectVec3Near(glm::vec3(ubo.model * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f)), position, placedPointTolerance);
    expectVec3Near(glm::vec3(ubo.model * glm::vec4(1.0f, -1.0f, 1.0f, 1.0f)), position + glm::vec3(0.6f, -0.6f, 0.6f),
                   placedPointTolerance);
    EXPECT_EQ(ubo.view, camera.view);
    EXPECT_EQ(ubo.proj, camera.proj);
    EXPECT_EQ(cameraRecordOf(cube, 1).position, glm::vec4(camera.position, 1.0f));

    const Camera firstCamera = camera;
    camera.position = glm::vec3(-8.0f, 1.0f, 0.0f);
    camera.view = glm::lookAt(camera.position, position, up);
    cube.updateAtPosition(0, &camera, glm::vec3(0.5f));
    EXPECT_EQ(uniformOf(cube, 1).view, firstCamera.view);
    EXPECT_EQ(cameraRecordOf(cube, 1).position, glm::vec4(firstCamera.position, 1.0f));
    EXPECT_EQ(cameraRecordOf(cube, 0).position, glm::vec4(camera.position, 1.0f));
    cube.cleanup();
}

TEST_F(CubemapObjectTest, ReflectiveCubeKeepsItsFacePipelines)
{
    CubemapObject cube = makeReflectiveCube();
    EXPECT_EQ(cube.getImageToCubePipeline(), VK_NULL_HANDLE);
    EXPECT_EQ(cube.getCubeToCubePipelineLayout(), VK_NULL_HANDLE);

    environmentPass = createEnvironmentRenderPass(device(), bufferUtils().findDepthFormat());
    ImagePipeline imageToCube(shaderPath("image_to_cube_vert.spv"), shaderPath("image_to_cube_frag.spv"), bufferUtils(),
                              environmentPass, 1);
    CubemapPipeline cubeToCube(shaderPath("cube_to_cube_vert.spv"), shaderPath("cube_to_cube_frag.spv"), bufferUtils(),
                               environmentPass, 1);
    pipelines.push_back(&imageToCube);
    pipelines.push_back(&cubeToCube);
    cube.setImageToCubePipeline(&imageToCube);
    cube.setCubeToCubePipeline(&cubeToCube);

    EXPECT_EQ(cube.getImageToCubePipeline(), imageToCube.getPipeline());
    EXPECT_EQ(cube.getImageToCubePipelineLayout(), imageToCube.getPipelineLayout());
    EXPECT_EQ(cube.getCubeToCubePipeline(), cubeToCube.getPipeline());
    EXPECT_EQ(cube.getCubeToCubePipelineLayout(), cubeToCube.getPipelineLayout());
    EXPECT_EQ(cube.getPipeline(), envMapPipeline.getPipeline());
    EXPECT_EQ(cube.getCubemap(), environment.get());
    EXPECT_EQ(cube.getIndices().size(), 36u);

    cube.cleanup();
    imageToCube.cleanup();
    cubeToCube.cleanup();
    pipelines.resize(pipelines.size() - 2);
}

// Its descriptor sets sample the depth faces, which a static texture lacks.
TEST_F(CubemapObjectTest, DynamicCubeNeedsADynamicTexture)
{
    CubemapObject sky = makeSky();
    expectThrowsMessage([&] { CubemapObject(bufferUtils(), &skyPipeline, model.get(), skyTexture.get(), true); },
                        "dynamic cubemap needs a dynamic environment texture!");
    sky.cleanup();
}
