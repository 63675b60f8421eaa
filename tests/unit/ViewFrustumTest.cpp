#include "renderer/CubeFaceViews.h"
#include "renderer/DrawOrder.h"
#include "renderer/ViewFrustum.h"

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <array>
#include <random>

namespace {

const glm::vec3 eye(0.0f, -10.0f, 30.0f);

// Face i of a cube camera at the eye, as the environment pass draws it.
ViewFrustum face(int i)
{
    return ViewFrustum(cubeFaceProjection() * cubeFaceViews(eye)[static_cast<size_t>(i)]);
}

std::array<bool, 6> facesReached(const BoundingSphere& sphere)
{
    std::array<bool, 6> reached{};
    for (int i = 0; i < 6; ++i) {
        reached[static_cast<size_t>(i)] = face(i).reaches(sphere);
    }
    return reached;
}

// A point the rasteriser keeps: inside Vulkan's clip volume.
bool insideClipVolume(const glm::mat4& clipFromSpace, const glm::vec3& point)
{
    const glm::vec4 clip = clipFromSpace * glm::vec4(point, 1.0f);
    return std::abs(clip.x) <= clip.w && std::abs(clip.y) <= clip.w && clip.z >= 0.0f && clip.z <= clip.w;
}

// The path camera's kind of view: 45 degrees at 16:9 looking down -z from the eye.
glm::mat4 sceneView()
{
    return glm::perspective(glm::radians(45.0f), 16.0f / 9.0f, 0.1f, 1500.0f) *
           glm::lookAt(eye, eye + glm::vec3(0.0f, 0.0f, -1.0f), glm::vec3(0.0f, -1.0f, 0.0f));
}

} // namespace

TEST(ViewFrustum, AnObjectInFrontOfOneFaceIsDrawnInThatFaceAlone)
{
    const std::array<glm::vec3, 6> directions = {glm::vec3(1, 0, 0),  glm::vec3(-1, 0, 0), glm::vec3(0, 1, 0),
                                                 glm::vec3(0, -1, 0), glm::vec3(0, 0, 1),  glm::vec3(0, 0, -1)};
    for (size_t i = 0; i < directions.size(); ++i) {
        const std::array<bool, 6> reached = facesReached({eye + 40.0f * directions[i], 5.0f});
        for (size_t j = 0; j < reached.size(); ++j) {
            EXPECT_EQ(reached[j], i == j) << "object along face " << i << ", tested in face " << j;
        }
    }
}

TEST(ViewFrustum, AnObjectAcrossTheEdgeOfTwoFacesIsDrawnInBoth)
{
    // On the diagonal between +X and -Z, level with the eye.
    const std::array<bool, 6> reached = facesReached({eye + glm::vec3(30.0f, 0.0f, -30.0f), 2.0f});
    EXPECT_EQ(reached, (std::array<bool, 6>{true, false, false, false, false, true}));
}

TEST(ViewFrustum, AnObjectBehindTheViewOrBeyondItsFarPlaneIsNotDrawn)
{
    const ViewFrustum view(sceneView());
    EXPECT_TRUE(view.reaches({eye + glm::vec3(0.0f, 0.0f, -50.0f), 1.0f}));
    EXPECT_FALSE(view.reaches({eye + glm::vec3(0.0f, 0.0f, 50.0f), 1.0f}));
    EXPECT_FALSE(view.reaches({eye + glm::vec3(0.0f, 0.0f, 1.0f), 0.5f})) << "just behind the eye";
    EXPECT_FALSE(view.reaches({eye + glm::vec3(0.0f, 0.0f, -1600.0f), 50.0f}));
    EXPECT_TRUE(view.reaches({eye + glm::vec3(0.0f, 0.0f, -1600.0f), 120.0f})) << "reaches over the far plane";
    EXPECT_FALSE(face(0).reaches({eye + glm::vec3(-40.0f, 0.0f, 0.0f), 5.0f})) << "behind the +X face";
}

TEST(ViewFrustum, AnObjectWhoseSphereHoldsTheEyeIsDrawnEverywhere)
{
    for (const glm::vec3& offset : {glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, 3.0f), glm::vec3(2.0f, -2.0f, 2.0f)}) {
        const BoundingSphere around{eye + offset, 4.0f};
        EXPECT_EQ(facesReached(around), (std::array<bool, 6>{true, true, true, true, true, true}));
        EXPECT_TRUE(ViewFrustum(sceneView()).reaches(around));
    }
}

// Whatever the sphere, if any point of it is rasterised the sphere must be kept.
TEST(ViewFrustum, NeverDropsASphereWithAPointInsideTheClipVolume)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> offset(-60.0f, 60.0f);
    std::uniform_real_distribution<float> radius(0.1f, 15.0f);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    const std::array<glm::mat4, 3> views = {sceneView(), cubeFaceProjection() * cubeFaceViews(eye)[1],
                                            cubeFaceProjection() * cubeFaceViews(eye)[2]};
    int kept = 0;
    int dropped = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const glm::mat4& clipFromWorld = views[static_cast<size_t>(trial) % views.size()];
        const BoundingSphere sphere{eye + glm::vec3(offset(random), offset(random), offset(random)), radius(random)};
        bool anyInside = false;
        for (int sample = 0; sample < 200 && !anyInside; ++sample) {
            glm::vec3 direction(unit(random), unit(random), unit(random));
            if (glm::length(direction) > 1.0f || glm::length(direction) < 1e-3f) {
                continue;
            }
            anyInside = insideClipVolume(clipFromWorld, sphere.centre + direction * sphere.radius);
        }
        const bool reached = ViewFrustum(clipFromWorld).reaches(sphere);
        EXPECT_TRUE(reached || !anyInside) << "trial " << trial;
        (reached ? kept : dropped)++;
    }
    EXPECT_GT(dropped, 500) << "the test must also see spheres that are culled";
    EXPECT_GT(kept, 500);
}

TEST(DrawOrder, SkipsThePartsOutOfViewAndJoinsNeighboursInTheIndexList)
{
    // Parts in model space along x; the model scales by 10 and moves the row in front of face +X.
    const std::vector<MeshCluster> clusters = {
        {{0, 30}, {glm::vec3(-9.0f, 0.0f, 0.0f), 0.5f}}, // behind the eye once placed
        {{30, 30}, {glm::vec3(3.0f, 0.0f, 0.0f), 0.5f}}, {{60, 90}, {glm::vec3(4.0f, 0.0f, 0.0f), 0.5f}},
        {{150, 6}, {glm::vec3(5.0f, 8.0f, 0.0f), 0.5f}}, // far off to the side
        {{156, 3}, {glm::vec3(6.0f, 0.0f, 0.0f), 0.5f}},
    };
    const glm::mat4 model = glm::translate(glm::scale(glm::mat4(1.0f), glm::vec3(10.0f)), eye / 10.0f);
    const std::vector<PartDraw> draws =
        frontToBack({{&clusters, model}}, cubeFaceProjection() * cubeFaceViews(eye)[0], eye);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].range.first, 30u);
    EXPECT_EQ(draws[0].range.count, 120u);
    EXPECT_EQ(draws[1].range.first, 156u);
    EXPECT_EQ(draws[1].range.count, 3u);
}

TEST(DrawOrder, NearerPartsComeFirstAcrossMeshesAndAPartAroundTheEyeLeads)
{
    const std::vector<MeshCluster> farAndNear = {{{0, 3}, {glm::vec3(0.0f, 0.0f, -200.0f), 5.0f}},
                                                 {{3, 3}, {glm::vec3(0.0f, 0.0f, -20.0f), 5.0f}}};
    const std::vector<MeshCluster> middle = {{{0, 6}, {glm::vec3(3.0f, 0.0f, -80.0f), 5.0f}}};
    const std::vector<MeshCluster> aroundTheEye = {{{0, 9}, {glm::vec3(0.0f, 0.0f, 10.0f), 12.0f}}};
    const glm::mat4 atEye = glm::translate(glm::mat4(1.0f), eye);
    const std::vector<PartDraw> draws =
        frontToBack({{&farAndNear, atEye}, {&middle, atEye}, {&aroundTheEye, atEye}}, sceneView(), eye);
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws[0].mesh, 2u);
    EXPECT_EQ(draws[1].mesh, 0u);
    EXPECT_EQ(draws[1].range.first, 3u);
    EXPECT_EQ(draws[2].mesh, 1u);
    EXPECT_EQ(draws[3].mesh, 0u);
    EXPECT_EQ(draws[3].range.first, 0u);
}
