#include "app/Controls.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

void pressAndRelease(Controls& controls, int key)
{
    controls.onKey(key, GLFW_PRESS);
    controls.onKey(key, GLFW_RELEASE);
}

} // namespace

TEST(ControlsTest, ModeKeysActOnReleaseOnly)
{
    Controls controls;
    EXPECT_FALSE(controls.onKey(GLFW_KEY_ESCAPE, GLFW_PRESS));
    EXPECT_FALSE(controls.onKey(GLFW_KEY_ESCAPE, GLFW_REPEAT));
    EXPECT_TRUE(controls.onKey(GLFW_KEY_ESCAPE, GLFW_RELEASE));

    controls.onKey(GLFW_KEY_F1, GLFW_PRESS);
    controls.onKey(GLFW_KEY_F1, GLFW_REPEAT);
    EXPECT_FALSE(controls.freeCameraMode);
    controls.onKey(GLFW_KEY_F1, GLFW_RELEASE);
    EXPECT_TRUE(controls.freeCameraMode);
    pressAndRelease(controls, GLFW_KEY_F1);
    EXPECT_FALSE(controls.freeCameraMode);

    controls.onKey(GLFW_KEY_F5, GLFW_PRESS);
    EXPECT_EQ(controls.displayMode, 0);
    controls.onKey(GLFW_KEY_F5, GLFW_RELEASE);
    EXPECT_EQ(controls.displayMode, 2);
}

TEST(ControlsTest, FunctionKeysPickTheDisplayModeInAnyMode)
{
    Controls controls;
    const int keys[] = {GLFW_KEY_F3, GLFW_KEY_F4, GLFW_KEY_F5, GLFW_KEY_F6,
                        GLFW_KEY_F7, GLFW_KEY_F8, GLFW_KEY_F9, GLFW_KEY_F10};
    for (int mode = 7; mode >= 0; mode--) {
        pressAndRelease(controls, keys[mode]);
        EXPECT_EQ(controls.displayMode, mode);
    }
    pressAndRelease(controls, GLFW_KEY_F10);
    pressAndRelease(controls, GLFW_KEY_F2);
    pressAndRelease(controls, GLFW_KEY_F11);
    EXPECT_EQ(controls.displayMode, 7);
    EXPECT_FALSE(controls.freeCameraMode);
}

TEST(ControlsTest, MovementKeysAreIgnoredInPathMode)
{
    Controls controls;
    for (int key : {GLFW_KEY_W, GLFW_KEY_A, GLFW_KEY_S, GLFW_KEY_D, GLFW_KEY_Q, GLFW_KEY_E, GLFW_KEY_SPACE,
                    GLFW_KEY_LEFT_SHIFT}) {
        EXPECT_FALSE(controls.onKey(key, GLFW_PRESS));
    }
    EXPECT_EQ(controls.movementCodes(), std::vector<int>{7});
}

TEST(ControlsTest, MovementKeysFollowPressAndReleaseInFreeMode)
{
    Controls controls;
    pressAndRelease(controls, GLFW_KEY_F1);
    for (int key : {GLFW_KEY_W, GLFW_KEY_A, GLFW_KEY_S, GLFW_KEY_D, GLFW_KEY_Q, GLFW_KEY_E, GLFW_KEY_LEFT_SHIFT}) {
        controls.onKey(key, GLFW_PRESS);
    }
    EXPECT_EQ(controls.movementCodes(), (std::vector<int>{6, 1, 0, 3, 2, 4, 5}));

    controls.onKey(GLFW_KEY_W, GLFW_REPEAT);
    EXPECT_TRUE(controls.moveForward);
    for (int key : {GLFW_KEY_W, GLFW_KEY_A, GLFW_KEY_Q, GLFW_KEY_LEFT_SHIFT}) {
        controls.onKey(key, GLFW_RELEASE);
    }
    EXPECT_EQ(controls.movementCodes(), (std::vector<int>{7, 1, 3, 4}));
}

TEST(ControlsTest, EAndSpaceShareMoveDown)
{
    Controls controls;
    pressAndRelease(controls, GLFW_KEY_F1);
    controls.onKey(GLFW_KEY_SPACE, GLFW_PRESS);
    EXPECT_TRUE(controls.moveDown);
    controls.onKey(GLFW_KEY_E, GLFW_RELEASE);
    EXPECT_FALSE(controls.moveDown);
    controls.onKey(GLFW_KEY_E, GLFW_PRESS);
    controls.onKey(GLFW_KEY_SPACE, GLFW_RELEASE);
    EXPECT_FALSE(controls.moveDown);
}

TEST(ControlsTest, ModeSwitchReleasesEveryHeldMovementKey)
{
    Controls controls;
    pressAndRelease(controls, GLFW_KEY_F1);
    for (int key : {GLFW_KEY_W, GLFW_KEY_A, GLFW_KEY_S, GLFW_KEY_D, GLFW_KEY_Q, GLFW_KEY_SPACE, GLFW_KEY_LEFT_SHIFT}) {
        controls.onKey(key, GLFW_PRESS);
    }
    // To path mode with the keys held; they are let go there, unseen.
    pressAndRelease(controls, GLFW_KEY_F1);
    EXPECT_EQ(controls.movementCodes(), std::vector<int>{7});
    controls.onKey(GLFW_KEY_W, GLFW_RELEASE);
    controls.onKey(GLFW_KEY_LEFT_SHIFT, GLFW_RELEASE);
    pressAndRelease(controls, GLFW_KEY_F1);
    EXPECT_TRUE(controls.freeCameraMode);
    EXPECT_EQ(controls.movementCodes(), std::vector<int>{7});

    // And the other way: F1 back to path mode while W is still held.
    controls.onKey(GLFW_KEY_W, GLFW_PRESS);
    EXPECT_TRUE(controls.moveForward);
    pressAndRelease(controls, GLFW_KEY_F1);
    EXPECT_FALSE(controls.freeCameraMode);
    EXPECT_EQ(controls.movementCodes(), std::vector<int>{7});
}

TEST(ControlsTest, LeftClickTogglesTheCaptureAndNothingElseDoes)
{
    Controls controls;
    EXPECT_FALSE(controls.onMouseButton(GLFW_MOUSE_BUTTON_RIGHT, GLFW_PRESS));
    EXPECT_FALSE(controls.onMouseButton(GLFW_MOUSE_BUTTON_LEFT, GLFW_RELEASE));
    EXPECT_FALSE(controls.cursorCaptured);
    EXPECT_TRUE(controls.onMouseButton(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS));
    EXPECT_TRUE(controls.cursorCaptured);
    pressAndRelease(controls, GLFW_KEY_F1);
    EXPECT_TRUE(controls.onMouseButton(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS));
    EXPECT_FALSE(controls.cursorCaptured);
}

TEST(ControlsTest, OverlayPauseSeekAndScreenshotKeysLeaveTheCameraAndModeAlone)
{
    Controls controls;
    pressAndRelease(controls, GLFW_KEY_F2);
    pressAndRelease(controls, GLFW_KEY_P);
    pressAndRelease(controls, GLFW_KEY_F12);
    controls.onKey(GLFW_KEY_RIGHT, GLFW_PRESS);
    controls.onKey(GLFW_KEY_RIGHT, GLFW_REPEAT);
    controls.onKey(GLFW_KEY_RIGHT, GLFW_RELEASE);
    pressAndRelease(controls, GLFW_KEY_LEFT);
    EXPECT_TRUE(controls.overlayShown);
    EXPECT_TRUE(controls.pauseToggled);
    EXPECT_TRUE(controls.screenshotRequested);
    EXPECT_EQ(controls.seekSteps, 1);
    EXPECT_FALSE(controls.freeCameraMode);
    EXPECT_EQ(controls.displayMode, ShowFinal);

    pressAndRelease(controls, GLFW_KEY_F2);
    EXPECT_FALSE(controls.overlayShown);
}
