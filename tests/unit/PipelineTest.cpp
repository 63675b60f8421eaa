#include "GpuTest.h"
#include "ProjectFiles.h"
#include "TempDir.h"

#include "objects/DustViews.h"
#include "pipelines/ComputePipeline.h"
#include "pipelines/CubemapPipeline.h"
#include "pipelines/DynEnvironmentMapDrawPipeline.h"
#include "pipelines/ImagePipeline.h"
#include "pipelines/ParticleDrawPipeline.h"
#include "pipelines/RenderDefferedPipeline.h"
#include "renderer/RenderPasses.h"

#include <glm/glm.hpp>

#include <stdexcept>

namespace {

template <typename Build> void expectFailure(Build build, const std::string& message)
{
    try {
        build();
        FAIL() << "expected \"" << message << "\"";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), message);
    }
}

} // namespace

class PipelineTest : public GpuTest {
protected:
    static void SetUpTestSuite()
    {
        GpuTest::SetUpTestSuite();
        const VkFormat depthFormat = bufferUtils().findDepthFormat();
        gBufferPass = createGBufferRenderPass(device(), depthFormat);
        environmentPass = createEnvironmentRenderPass(device(), depthFormat);
        presentationPass = createPresentationRenderPass(device(), VK_FORMAT_B8G8R8A8_SRGB,
                                                        VK_IMAGE_LAYOUT_PRESENT_SRC_KHR, depthFormat);
    }

    static void TearDownTestSuite()
    {
        vkDestroyRenderPass(device(), presentationPass, nullptr);
        vkDestroyRenderPass(device(), environmentPass, nullptr);
        vkDestroyRenderPass(device(), gBufferPass, nullptr);
        GpuTest::TearDownTestSuite();
    }

    void expectBuilt(Pipeline& pipeline)
    {
        EXPECT_NE(pipeline.getPipeline(), VK_NULL_HANDLE);
        EXPECT_NE(pipeline.getPipelineLayout(), VK_NULL_HANDLE);
        EXPECT_NE(pipeline.getDescriptorSetLayout(), VK_NULL_HANDLE);
        pipeline.cleanup();
    }

    // Records and runs one push; the validation layer checks it against the
    // pipeline layout's push-constant range. Only valid pushes can be tried:
    // the driver is free to write past a range that is too small.
    static void recordPush(VkPipelineLayout layout, VkShaderStageFlags stages, uint32_t size)
    {
        const glm::mat4 data(1.0f);
        const BufferUtils utils = bufferUtils();
        VkCommandBuffer commandBuffer = utils.beginSingleTimeCommands();
        vkCmdPushConstants(commandBuffer, layout, stages, 0, size, &data);
        utils.endSingleTimeCommands(commandBuffer);
    }

    static inline VkRenderPass gBufferPass = VK_NULL_HANDLE;
    static inline VkRenderPass environmentPass = VK_NULL_HANDLE;
    static inline VkRenderPass presentationPass = VK_NULL_HANDLE;
};

TEST_F(PipelineTest, MeshPipelinesBuildForBothPasses)
{
    ImagePipeline scene(shaderPath("image_vert.spv"), shaderPath("image_frag.spv"), bufferUtils(), gBufferPass, 5);
    expectBuilt(scene);
    ImagePipeline toCube(shaderPath("image_to_cube_vert.spv"), shaderPath("image_to_cube_frag.spv"), bufferUtils(),
                         environmentPass, 1);
    expectBuilt(toCube);
}

TEST_F(PipelineTest, CubemapPipelinesBuildForBothPasses)
{
    CubemapPipeline sky(shaderPath("cubemap_vert.spv"), shaderPath("cubemap_frag.spv"), bufferUtils(), gBufferPass, 5);
    expectBuilt(sky);
    CubemapPipeline toCube(shaderPath("cube_to_cube_vert.spv"), shaderPath("cube_to_cube_frag.spv"), bufferUtils(),
                           environmentPass, 1);
    expectBuilt(toCube);
}

TEST_F(PipelineTest, ParticlePipelinesBuildForBothPasses)
{
    ParticleDrawPipeline scene(shaderPath("particle_vert.spv"), shaderPath("particle_frag.spv"),
                               shaderPath("particle_geom.spv"), bufferUtils(), gBufferPass, 5);
    expectBuilt(scene);
    ParticleDrawPipeline toCube(shaderPath("particle_vert.spv"), shaderPath("particle_to_cube_frag.spv"),
                                shaderPath("particle_geom.spv"), bufferUtils(), environmentPass, 1);
    expectBuilt(toCube);
}

TEST_F(PipelineTest, EnvironmentMappedAndLightingPipelinesBuild)
{
    DynEnvironmentMapDrawPipeline reflective(shaderPath("envMapDraw_vert.spv"), shaderPath("envMapDraw_frag.spv"),
                                             bufferUtils(), gBufferPass);
    expectBuilt(reflective);
    RenderDefferedPipeline lighting(shaderPath("deffered_vert.spv"), shaderPath("deffered_frag.spv"), bufferUtils(),
                                    presentationPass);
    expectBuilt(lighting);
    ComputePipeline compute(shaderPath("particle_comp.spv"), bufferUtils(), presentationPass,
                            ComputePipeline::particleStepBindings());
    expectBuilt(compute);
    ComputePipeline dustLists(shaderPath("dust_views_comp.spv"), bufferUtils(), presentationPass,
                              DustViews::listBindings());
    expectBuilt(dustLists);
}

TEST_F(PipelineTest, PushRangesMatchTheRecordedPushes)
{
    ImagePipeline mesh(shaderPath("image_vert.spv"), shaderPath("image_frag.spv"), bufferUtils(), gBufferPass, 5);
    ParticleDrawPipeline particles(shaderPath("particle_vert.spv"), shaderPath("particle_frag.spv"),
                                   shaderPath("particle_geom.spv"), bufferUtils(), gBufferPass, 5);
    recordPush(mesh.getPipelineLayout(), VK_SHADER_STAGE_VERTEX_BIT, 64);
    recordPush(particles.getPipelineLayout(), VK_SHADER_STAGE_GEOMETRY_BIT, 64);

    mesh.cleanup();
    particles.cleanup();
}

TEST_F(PipelineTest, CopyAssignedPipelineKeepsItsHandles)
{
    CubemapPipeline member;
    member =
        CubemapPipeline(shaderPath("cubemap_vert.spv"), shaderPath("cubemap_frag.spv"), bufferUtils(), gBufferPass, 5);
    EXPECT_NE(member.getPipeline(), VK_NULL_HANDLE);
    member.cleanup();
}

TEST_F(PipelineTest, MissingShaderFileNamesThePathAsPassed)
{
    const std::string missing = "assets/shaders/no_such_frag.spv";
    expectFailure([&] { ImagePipeline(shaderPath("image_vert.spv"), missing, bufferUtils(), gBufferPass, 5); },
                  "failed to open file! location: " + missing);
    expectFailure([&] { ComputePipeline(missing, bufferUtils(), presentationPass, {}); },
                  "failed to open file! location: " + missing);
}

TEST_F(PipelineTest, FilesThatAreNotSpirvAreRefused)
{
    const std::vector<char> realShader = Pipeline::readFile(shaderPath("image_frag.spv"));
    const std::string text = dir.write("text.spv", "#version");
    const std::string truncated = dir.write("truncated.spv", std::string(realShader.begin(), realShader.end() - 1));
    const std::string empty = dir.write("empty.spv", "");
    for (const std::string& bad : {text, truncated, empty}) {
        SCOPED_TRACE(bad);
        expectFailure([&] { ImagePipeline(shaderPath("image_vert.spv"), bad, bufferUtils(), gBufferPass, 5); },
                      "failed to create shader module!");
        expectFailure([&] { ComputePipeline(bad, bufferUtils(), presentationPass, {}); },
                      "failed to create shader module!");
    }
}

TEST(PipelineReadFileTest, ReturnsTheBytesExactly)
{
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 256; i++) {
        bytes.push_back(static_cast<char>(i));
    }
    bytes.append("\r\n\n\0tail", 8);
    const std::vector<char> read = Pipeline::readFile(dir.write("bytes.bin", bytes));
    EXPECT_EQ(std::string(read.begin(), read.end()), bytes);
    EXPECT_TRUE(Pipeline::readFile(dir.write("empty.bin", "")).empty());
}
