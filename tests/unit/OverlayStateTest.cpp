#include "app/OverlayState.h"

#include <gtest/gtest.h>

TEST(OverlayStateTest, GraphKeepsAboutTwoSecondsOfFrames)
{
    OverlayState state;
    for (int frame = 0; frame < 100; frame++) {
        state.addFrameTime(50.0f);
    }
    EXPECT_EQ(state.frameTimes.size(), 40u) << "40 frames of 50 ms span the two seconds";
    EXPECT_FLOAT_EQ(state.framesPerSecond(), 20.0f);

    state.addFrameTime(3000.0f);
    EXPECT_EQ(state.frameTimes.size(), 1u) << "one long frame alone outlasts the span";
    EXPECT_FLOAT_EQ(state.framesPerSecond(), 1000.0f / 3000.0f);
}
