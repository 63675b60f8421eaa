#include "app/Timeline.h"

#include <gtest/gtest.h>

TEST(DisplayScheduleTest, ModesChangeJustAfterEachBoundary)
{
    EXPECT_EQ(scheduledDisplayMode(0.0f), 0);
    EXPECT_EQ(scheduledDisplayMode(30.0f), 0);
    EXPECT_EQ(scheduledDisplayMode(30.0001f), 1);
    EXPECT_EQ(scheduledDisplayMode(35.0f), 1);
    EXPECT_EQ(scheduledDisplayMode(35.0001f), 2);
    EXPECT_EQ(scheduledDisplayMode(42.0f), 3);
    EXPECT_EQ(scheduledDisplayMode(47.0f), 4);
    EXPECT_EQ(scheduledDisplayMode(52.0f), 5);
    EXPECT_EQ(scheduledDisplayMode(60.0f), 6);
    EXPECT_EQ(scheduledDisplayMode(65.0f), 7);
    EXPECT_EQ(scheduledDisplayMode(65.0001f), 0);
    EXPECT_EQ(scheduledDisplayMode(85.0f), 0);
}

TEST(TimelineTest, FirstCycleCountsFromTheClockOrigin)
{
    Timeline timeline(2.5f);
    EXPECT_FLOAT_EQ(timeline.time(), 2.5f);
    EXPECT_FLOAT_EQ(timeline.deltaTime(), 0.0f);
    timeline.advance(2.75f);
    EXPECT_FLOAT_EQ(timeline.time(), 2.75f);
    EXPECT_FLOAT_EQ(timeline.deltaTime(), 0.25f);
}

TEST(TimelineTest, AStartTimeIsTheFirstFramesTimeAndTheCycleStillEndsAt85)
{
    Timeline timeline(1000.0, 80.0f);
    EXPECT_FLOAT_EQ(timeline.time(), 80.0f);
    timeline.advance(1004.0);
    EXPECT_FLOAT_EQ(timeline.time(), 84.0f);
    timeline.advance(1005.5);
    EXPECT_EQ(timeline.time(), 0.0f);
}

TEST(TimelineTest, AnySecondMapsIntoOneCycle)
{
    EXPECT_FLOAT_EQ(cycleSecond(10.0f), 10.0f);
    EXPECT_FLOAT_EQ(cycleSecond(95.0f), 10.0f);
    EXPECT_FLOAT_EQ(cycleSecond(-10.0f), 75.0f);
    EXPECT_EQ(cycleSecond(-1e-9f), 0.0f);
    EXPECT_EQ(cycleSecond(170.0f), 0.0f);
}

TEST(TimelineTest, RestartsAfter85SecondsWithTimeExactlyZero)
{
    Timeline timeline(84.9f);
    timeline.advance(85.0f);
    EXPECT_FLOAT_EQ(timeline.time(), 85.0f);
    timeline.advance(85.5f);
    EXPECT_EQ(timeline.time(), 0.0f);
    EXPECT_FLOAT_EQ(timeline.deltaTime(), 0.5f);
    EXPECT_EQ(scheduledDisplayMode(timeline.time()), 0);

    timeline.advance(150.0f);
    EXPECT_FLOAT_EQ(timeline.time(), 64.5f);
    timeline.advance(170.6f);
    EXPECT_EQ(timeline.time(), 0.0f);
}

// Three days after start-up a float clock reading resolves only 31 ms: the
// frame times of a 60 Hz run came out as 0 or as whole multiples of that.
TEST(TimelineTest, KeepsFrameTimesExactDaysAfterStartUp)
{
    const double threeDays = 3.0 * 24.0 * 3600.0;
    const double step = 1.0 / 60.0;
    Timeline timeline(threeDays);
    timeline.advance(threeDays + step);
    EXPECT_EQ(timeline.time(), 0.0f) << "the first cycle has run since start-up, so the timeline restarts";

    float previousTime = timeline.time();
    int restarts = 0;
    for (int frame = 2; frame < 2 * 85 * 60; frame++) {
        timeline.advance(threeDays + frame * step);
        ASSERT_NEAR(timeline.deltaTime(), step, step * 0.01) << "frame " << frame;
        if (timeline.time() < previousTime) {
            restarts++;
            EXPECT_EQ(timeline.time(), 0.0f);
            EXPECT_GT(previousTime, 85.0f - 1.01f * step) << "frame " << frame;
        } else {
            EXPECT_NEAR(timeline.time() - previousTime, step, step * 0.01) << "frame " << frame;
        }
        EXPECT_LE(timeline.time(), 85.0f);
        previousTime = timeline.time();
    }
    EXPECT_EQ(restarts, 1);
}

TEST(TimelineTest, PauseHoldsTheTimeWhileTheClockRuns)
{
    Timeline timeline(10.0);
    timeline.togglePause();
    timeline.advance(12.5);
    EXPECT_FLOAT_EQ(timeline.time(), 10.0f);
    EXPECT_EQ(timeline.deltaTime(), 0.0f);
    EXPECT_FLOAT_EQ(timeline.frameSeconds(), 2.5f) << "the free camera still moves";
    timeline.togglePause();
    timeline.advance(13.0);
    EXPECT_FLOAT_EQ(timeline.time(), 10.5f);
    EXPECT_FLOAT_EQ(timeline.deltaTime(), 0.5f);
}

TEST(TimelineTest, SeekWrapsAroundTheCycleBothWays)
{
    Timeline timeline(28.0);
    timeline.seek(5.0);
    EXPECT_FLOAT_EQ(timeline.time(), 33.0f);
    EXPECT_EQ(scheduledDisplayMode(timeline.time()), ShowAlbedo);
    timeline.seek(-35.0);
    EXPECT_FLOAT_EQ(timeline.time(), 83.0f);
    timeline.seek(5.0);
    EXPECT_FLOAT_EQ(timeline.time(), 3.0f);
    timeline.advance(29.0);
    EXPECT_FLOAT_EQ(timeline.time(), 4.0f) << "the clock goes on from the new time";
}
