#include "scene/Camera.h"
#include "scene/Finite.h"
#include "app/FreeCamera.h"
#include "app/PathCamera.h"

#include "GlmExpectations.h"
#include "TempDir.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace {

float elevationDegrees(const glm::vec3& front)
{
    return glm::degrees(std::asin(front.y));
}

glm::vec3 frontAtElevation(float degrees)
{
    const float radians = glm::radians(degrees);
    return {0.0f, std::sin(radians), -std::cos(radians)};
}

} // namespace

TEST(CameraTest, NewCameraSeesTheOriginTenUnitsAhead)
{
    Camera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.updateMatrices();
    const glm::vec4 origin = camera.view * glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
    expectVec3Near(glm::vec3(origin), {0.0f, 0.0f, -10.0f});
    EXPECT_FLOAT_EQ(camera.aspect, 1920.0f / 1080.0f);
}

TEST(CameraTest, ProjectionIsRightHandedWithDepthFromMinusOneToOne)
{
    Camera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.updateMatrices();
    const float tanHalf = std::tan(glm::radians(30.0f));
    EXPECT_NEAR(camera.proj[0][0], 1.0f / (camera.aspect * tanHalf), 1e-5f);
    EXPECT_NEAR(camera.proj[1][1], 1.0f / tanHalf, 1e-5f);
    EXPECT_FLOAT_EQ(camera.proj[2][3], -1.0f);
    EXPECT_FLOAT_EQ(camera.proj[3][3], 0.0f);
    // The near plane lands on depth -1 and the far plane on +1.
    const glm::vec4 nearPoint = camera.proj * glm::vec4(0.0f, 0.0f, -0.1f, 1.0f);
    const glm::vec4 farPoint = camera.proj * glm::vec4(0.0f, 0.0f, -1500.0f, 1.0f);
    EXPECT_NEAR(nearPoint.z / nearPoint.w, -1.0f, 1e-4f);
    EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 1e-4f);
}

// One frame at 60 frames a second moves by `speed` itself.
constexpr float oneFrameAt60 = 1.0f / 60.0f;

TEST(CameraTest, BackwardThenForwardCancel)
{
    Camera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.processMovement({7, 1, 0}, oneFrameAt60);
    expectVec3Near(camera.position, {0.0f, 0.0f, 10.0f}, 1e-6f);
    EXPECT_FLOAT_EQ(camera.speed, 0.005f);
}

TEST(CameraTest, EachCodeMovesAlongItsAxisAtTheCurrentSpeed)
{
    Camera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.processMovement({6, 0}, oneFrameAt60);
    expectVec3Near(camera.position, {0.0f, 0.0f, 9.95f});
    camera.processMovement({3}, oneFrameAt60);
    expectVec3Near(camera.position, {0.05f, 0.0f, 9.95f});
    camera.processMovement({7, 2, 2, 5}, oneFrameAt60);
    expectVec3Near(camera.position, {0.04f, 0.005f, 9.95f});
    camera.processMovement({4, 4, 1}, oneFrameAt60);
    expectVec3Near(camera.position, {0.04f, -0.005f, 9.955f});
}

// Held keys over one second of wall time: a slow machine drawing 2 frames a
// second and a fast one drawing 60 must end up in the same place.
TEST(CameraTest, HeldKeysCoverTheSameGroundAtAnyFrameRate)
{
    for (const std::vector<int>& codes : {std::vector<int>{7, 0}, std::vector<int>{6, 0, 3, 5}}) {
        Camera slow(1920, 1080, 60.0f, 0.1f, 1500.0f);
        Camera fast(1920, 1080, 60.0f, 0.1f, 1500.0f);
        for (int frame = 0; frame < 2; frame++) {
            slow.processMovement(codes, 0.5f);
        }
        for (int frame = 0; frame < 60; frame++) {
            fast.processMovement(codes, 1.0f / 60.0f);
        }
        const glm::vec3 start(0.0f, 0.0f, 10.0f);
        const float travelled = glm::length(fast.position - start);
        EXPECT_GT(travelled, 0.29f);
        EXPECT_LE(glm::length(slow.position - fast.position), 0.01f * travelled);
    }
    // A frame that took no time moves nothing.
    Camera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.processMovement({6, 0, 2, 4}, 0.0f);
    expectVec3Near(camera.position, {0.0f, 0.0f, 10.0f}, 0.0f);
}

TEST(FreeCameraTest, CursorAtTheCentreLeavesTheViewAlone)
{
    FreeCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.processMouse(1920, 1080, 960, 540);
    expectVec3Near(camera.front, {0.0f, 0.0f, -1.0f}, 0.0f);
}

TEST(FreeCameraTest, CursorRightOfCentreTurnsRight)
{
    FreeCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.processMouse(1920, 1080, 1060, 540);
    const float yaw = glm::radians(160.0f * 100.0f / 1920.0f);
    expectVec3Near(camera.front, {std::sin(yaw), 0.0f, -std::cos(yaw)});
}

TEST(FreeCameraTest, CursorBelowCentreRaisesTheView)
{
    FreeCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.processMouse(1920, 1080, 960, 540 + 108);
    EXPECT_NEAR(elevationDegrees(camera.front), 16.0f, 1e-3f);
}

TEST(FreeCameraTest, ElevationIsClampedAt85DegreesBothWays)
{
    FreeCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.front = frontAtElevation(80.0f);
    camera.processMouse(1920, 1080, 960, 540 + 108);
    EXPECT_NEAR(elevationDegrees(camera.front), 85.0f, 1e-2f);

    camera.front = frontAtElevation(-80.0f);
    camera.processMouse(1920, 1080, 960, 540 - 108);
    EXPECT_NEAR(elevationDegrees(camera.front), -85.0f, 1e-2f);
}

TEST(PathCameraTest, WithoutTargetLooksAlongTheDirectionOfTravel)
{
    TempDir dir;
    Path path;
    path.loadFromFile(dir.write("camera.csv", "0,0,0,0\n1,1,0,0\n2,2,0,0\n"));
    PathCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f, path);
    camera.followPath(1.0f);
    expectVec3Near(camera.position, {1.0f, 0.0f, 0.0f});
    expectVec3Near(camera.front, {1.0f, 0.0f, 0.0f});
    const glm::vec4 ahead = camera.view * glm::vec4(5.0f, 0.0f, 0.0f, 1.0f);
    expectVec3Near(glm::vec3(ahead), {0.0f, 0.0f, -4.0f});
}

TEST(PathCameraTest, WithTargetLooksAtIt)
{
    TempDir dir;
    Path path;
    path.loadFromFile(dir.write("camera.csv", "0,0,0,0\n1,1,0,0\n2,2,0,0\n"));
    PathCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f, path);
    camera.target = glm::vec3(1.0f, 3.0f, -4.0f);
    camera.followPath(1.0f);
    const glm::vec4 target = camera.view * glm::vec4(camera.target, 1.0f);
    expectVec3Near(glm::vec3(target), {0.0f, 0.0f, -5.0f});
    const glm::mat4 expectedProj = glm::perspective(glm::radians(60.0f), 1920.0f / 1080.0f, 0.1f, 1500.0f);
    for (int column = 0; column < 4; column++) {
        for (int row = 0; row < 4; row++) {
            EXPECT_NEAR(camera.proj[column][row], expectedProj[column][row], 1e-6f);
        }
    }
}

TEST(PathCameraTest, EmptyPathKeepsTheCameraAtTheOriginLookingAhead)
{
    PathCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f, Path());
    camera.followPath(3.0f);
    expectVec3Near(camera.position, glm::vec3(0.0f), 0.0f);
    expectVec3Near(camera.front, {0.0f, 0.0f, -1.0f});
}

TEST(PathCameraTest, TargetOnTheEyeKeepsTheLastFiniteView)
{
    // An empty path leaves the camera at the origin; a spaceship whose path is
    // missing sits there too.
    PathCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f, Path());
    camera.target = glm::vec3(0.0f, 0.0f, -2.0f);
    camera.followPath(0.0f);
    const glm::mat4 aimed = camera.view;
    camera.position = glm::vec3(0.0f, 0.0f, -2.0f);
    camera.lookAt(camera.target);
    EXPECT_TRUE(isFinite(camera.view));
    EXPECT_EQ(camera.view, aimed);
}

TEST(CameraTest, LookingStraightAlongUpKeepsTheLastView)
{
    Camera camera(1920, 1080, 60.0f, 0.1f, 1500.0f);
    camera.updateMatrices();
    const glm::mat4 before = camera.view;
    for (const glm::vec3 front : {glm::vec3(0.0f, 1.0f, 0.0f), glm::vec3(0.0f, -3.0f, 0.0f)}) {
        camera.front = front;
        camera.updateMatrices();
        EXPECT_TRUE(isFinite(camera.view));
        EXPECT_EQ(camera.view, before);
    }
    // A defined direction is taken up again at once.
    camera.front = glm::vec3(1.0f, 0.0f, 0.0f);
    camera.updateMatrices();
    const glm::vec4 ahead = camera.view * glm::vec4(1.0f, 0.0f, 10.0f, 1.0f);
    expectVec3Near(glm::vec3(ahead), {0.0f, 0.0f, -1.0f});
}

TEST(PathCameraTest, TargetStraightAboveTheEyeKeepsTheLastView)
{
    TempDir dir;
    Path path;
    path.loadFromFile(dir.write("camera.csv", "0,0,0,0\n1,1,0,0\n2,2,0,0\n"));
    PathCamera camera(1920, 1080, 60.0f, 0.1f, 1500.0f, path);
    camera.followPath(1.0f);
    const glm::mat4 alongPath = camera.view;
    camera.target = glm::vec3(1.0f, 50.0f, 0.0f);
    camera.followPath(1.0f);
    EXPECT_TRUE(isFinite(camera.view));
    EXPECT_EQ(camera.view, alongPath);
}
