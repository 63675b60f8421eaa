#include "CubeFaces.h"
#include "GBufferCapture.h"
#include "GpuTest.h"
#include "ProjectFiles.h"
#include "SquarePass.h"

#include "scene/Camera.h"
#include "constants/SurfaceKinds.h"
#include "objects/CubemapObject.h"
#include "objects/Model.h"
#include "pipelines/DynEnvironmentMapDrawPipeline.h"
#include "base/Framebuffers.h"
#include "renderer/RenderPasses.h"
#include "renderer/StillFaces.h"
#include "textures/DynEnvironmentTexture.h"

#include <array>
#include <memory>

// The reflective cube drawn by the G-buffer pass over an environment cube whose
// six faces are each cleared to one colour: every pixel of the mirror must show
// the face that its view ray, reflected about the cube's normal, points into.
// The check works in world space, from the pixel's own world position and
// normal in the G-buffer, so it holds whichever way the image is oriented; a
// reflection turned upside down or sideways shows the wrong faces.

namespace {

constexpr uint32_t faceSize = 64;
constexpr float mirrorKind = KIND_MIRROR;

} // namespace

class MirrorReflectionTest : public GpuTest {
protected:
    void SetUp() override
    {
        capture = std::make_unique<GBufferCapture>(bufferUtils());
        environmentPass = createEnvironmentRenderPass(device(), bufferUtils().findDepthFormat());
        environment = std::make_unique<DynEnvironmentTexture>(bufferUtils(), static_cast<int>(faceSize),
                                                              static_cast<int>(faceSize), 4);
        model = std::make_unique<Model>(bufferUtils(), projectRoot() + "/assets/models/dynCube.obj", false);
        pipeline = DynEnvironmentMapDrawPipeline(shaderPath("envMapDraw_vert.spv"), shaderPath("envMapDraw_frag.spv"),
                                                 bufferUtils(), capture->renderPass());
        cube = CubemapObject(bufferUtils(), &pipeline, model.get(), environment.get(), true);
        cube.setPosition(glm::vec3(0.0f));

        // Close to the cube and off its axes: three faces in view, each
        // reflecting rays into several faces of the environment.
        const int size = static_cast<int>(GBufferCapture::size);
        camera = Camera(size, size, 70.0f, 0.1f, 100.0f);
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
        vkDestroyRenderPass(device(), environmentPass, nullptr);
        capture.reset();
    }

    // Paints frame 0's six colour faces through the environment pass, from the
    // layout a frame copies the still faces in, as the scene's faces are drawn;
    // depth is set to the far plane, where the mirror takes the reflected ray as
    // it is.
    void paintFaces(const FaceColors& colors) const
    {
        const std::vector<VkImageView> faceViews = environment->getAttachmentViews();
        const std::vector<VkImageView> depthViews = environment->getDepthAttachmentViews();
        std::array<VkFramebuffer, 6> faceFramebuffers{};
        VkCommandBuffer commandBuffer = bufferUtils().beginSingleTimeCommands();
        prepareCubeForCopies(commandBuffer, *environment, 0, {true, true, true, true, true, true});
        for (size_t face = 0; face < faceFramebuffers.size(); face++) {
            faceFramebuffers[face] =
                createFramebuffer(device(), environmentPass, {faceViews[face], depthViews[face]}, faceSize, faceSize);
            beginSquarePass(commandBuffer, environmentPass, faceFramebuffers[face], faceSize, {});
            std::array<VkClearAttachment, 2> clears{};
            clears[0].aspectMask = VK_IMAGE_ASPECT_COLOR_BIT;
            clears[0].colorAttachment = 0;
            clears[0].clearValue.color = {{colors[face].r, colors[face].g, colors[face].b, 1.0f}};
            clears[1].aspectMask = VK_IMAGE_ASPECT_DEPTH_BIT;
            clears[1].clearValue.depthStencil = {1.0f, 0};
            const VkClearRect whole{{{0, 0}, {faceSize, faceSize}}, 0, 1};
            vkCmdClearAttachments(commandBuffer, static_cast<uint32_t>(clears.size()), clears.data(), 1, &whole);
            vkCmdEndRenderPass(commandBuffer);
        }
        bufferUtils().endSingleTimeCommands(commandBuffer);
        for (VkFramebuffer faceFramebuffer : faceFramebuffers) {
            vkDestroyFramebuffer(device(), faceFramebuffer, nullptr);
        }
    }

    GBufferPixels render(const FaceColors& colors)
    {
        paintFaces(colors);
        capture->draw(cube, 0);
        return capture->read();
    }

    // Counts the mirror's pixels and, among those not on an edge between
    // faces, the ones showing the face their reflected ray points into.
    struct Tally {
        int mirror = 0;
        int checked = 0;
        int matching = 0;
        std::array<int, 6> seen{};
    };

    Tally tally(const GBufferPixels& pixels, const FaceColors& colors) const
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
            result.matching += faceOfColor(pixels.albedo[pixel], colors) == expected ? 1 : 0;
        }
        return result;
    }

    std::unique_ptr<GBufferCapture> capture;
    VkRenderPass environmentPass = VK_NULL_HANDLE;
    std::unique_ptr<DynEnvironmentTexture> environment;
    std::unique_ptr<Model> model;
    DynEnvironmentMapDrawPipeline pipeline;
    CubemapObject cube;
    Camera camera;
};

TEST_F(MirrorReflectionTest, EachPixelShowsTheFaceItsReflectedRayMeets)
{
    const Tally result = tally(render(primaryFaceColors), primaryFaceColors);

    EXPECT_GT(result.mirror, static_cast<int>(GBufferCapture::size * GBufferCapture::size / 4));
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
    const GBufferPixels before = render(primaryFaceColors);

    // Seen from above the cube's +x, +y, +z corner, the mirror sends every
    // ray down or back: never into the +x or the +y face.
    const Tally reflected = tally(before, primaryFaceColors);
    ASSERT_EQ(reflected.seen[0] + reflected.seen[2], 0);
    FaceColors hiddenChanged = primaryFaceColors;
    hiddenChanged[0] = glm::vec3(0.0f);
    hiddenChanged[2] = glm::vec3(1.0f);
    EXPECT_EQ(render(hiddenChanged).albedo, before.albedo);

    FaceColors rotated;
    for (size_t face = 0; face < rotated.size(); face++) {
        rotated[face] = primaryFaceColors[(face + 1) % rotated.size()];
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
