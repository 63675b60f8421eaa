#include "CubeFaces.h"
#include "FixtureImages.h"
#include "GBufferCapture.h"
#include "GpuTest.h"
#include "ProjectFiles.h"

#include "AssetFiles.h"
#include "scene/Camera.h"
#include "constants/SurfaceKinds.h"
#include "objects/CubemapObject.h"
#include "objects/Model.h"
#include "pipelines/CubemapPipeline.h"
#include "textures/StaticEnvironmentTexture.h"

#include <cmath>
#include <memory>
#include <string>

// The sky cube as the G-buffer pass draws it from six single-colour files:
// every pixel must show the file of the face its view direction points into
// (posx.jpg towards +x, ... negz.jpg towards -z), so the files are read, staged
// and laid into the cube's layers in the order the cube-map lookup expects.
// The sky writes its view direction into the normal target, so each pixel is
// checked against its own direction whichever way the image is oriented.

namespace {

constexpr float skyKind = KIND_UNLIT;
// The sky shader mixes a haze into directions near the horizon (up is -y),
// which hides the faces' colours there.
constexpr float hazeBand = 0.25f;

} // namespace

class SkyFacesTest : public GpuTest {
protected:
    void SetUp() override
    {
        for (size_t face = 0; face < assetFiles::cubeFaceFiles.size(); face++) {
            writeImage(dir, assetFiles::cubeFaceFiles[face], glm::u8vec3(primaryFaceColors[face] * 255.0f), 64);
        }
        capture = std::make_unique<GBufferCapture>(bufferUtils());
        texture = std::make_unique<StaticEnvironmentTexture>(bufferUtils(), dir.path().string());
        model = std::make_unique<Model>(bufferUtils(), projectRoot() + "/assets/models/cube.obj", false);
        pipeline = CubemapPipeline(shaderPath("cubemap_vert.spv"), shaderPath("cubemap_frag.spv"), bufferUtils(),
                                   capture->renderPass(), 5);
        sky = CubemapObject(bufferUtils(), &pipeline, model.get(), texture.get(), false);
    }

    void TearDown() override
    {
        sky.cleanup();
        pipeline.cleanup();
        model->cleanup();
        texture->cleanup();
        capture.reset();
    }

    // Looks from far off the origin (the sky ignores where the camera is)
    // towards `direction` with a wide view that takes in three faces.
    GBufferPixels skyTowards(const glm::vec3& direction)
    {
        const int size = static_cast<int>(GBufferCapture::size);
        Camera camera(size, size, 110.0f, 0.1f, 100.0f);
        camera.position = glm::vec3(40.0f, -25.0f, 70.0f);
        camera.proj = glm::perspective(glm::radians(camera.fov), camera.aspect, camera.nearPlane, camera.farPlane);
        camera.lookAt(camera.position + direction);
        sky.updateAsSkybox(0, &camera);
        capture->draw(sky, 0);
        return capture->read();
    }

    std::unique_ptr<GBufferCapture> capture;
    std::unique_ptr<StaticEnvironmentTexture> texture;
    std::unique_ptr<Model> model;
    CubemapPipeline pipeline;
    CubemapObject sky;
};

TEST_F(SkyFacesTest, EachDirectionShowsTheFileOfItsFace)
{
    std::array<int, 6> seen{};
    for (const glm::vec3& corner : {glm::vec3(1.0f, 1.0f, 1.0f), glm::vec3(-1.0f, -1.0f, -1.0f)}) {
        const GBufferPixels pixels = skyTowards(corner);
        int sky = 0;
        int checked = 0;
        int matching = 0;
        for (size_t pixel = 0; pixel < pixels.albedo.size(); pixel++) {
            if (pixels.normal[pixel].w != skyKind) {
                continue;
            }
            sky++;
            const glm::vec3 direction = -glm::normalize(glm::vec3(pixels.normal[pixel]));
            const int expected = faceOf(direction);
            if (expected < 0 || std::abs(direction.y) < hazeBand) {
                continue;
            }
            checked++;
            seen[static_cast<size_t>(expected)]++;
            matching += faceOfColor(pixels.albedo[pixel], primaryFaceColors) == expected ? 1 : 0;
        }
        EXPECT_EQ(sky, static_cast<int>(pixels.albedo.size())) << "the sky covers the whole view";
        EXPECT_GE(matching, checked * 99 / 100) << matching << " of " << checked << " towards " << corner.x;
    }
    for (size_t face = 0; face < seen.size(); face++) {
        EXPECT_GT(seen[face], 1000) << assetFiles::cubeFaceFiles[face];
    }
}
