#include "app/FixedSteps.h"
#include "app/OptionParser.h"
#include "app/RecordSettings.h"
#include "timing/ProgressLine.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(FixedStepsTest, EachSecondComesFromItsIndexAndWrapsAtTheCycle)
{
    const FixedSteps steps(10.0f, 1.0f / 30.0f);
    EXPECT_FLOAT_EQ(steps.at(0), 10.0f);
    EXPECT_NEAR(steps.at(3), 10.1f, 1e-6);
    // 2250 thirtieths of a second after 10 s is 85 s: the start of the next cycle.
    EXPECT_NEAR(steps.at(2250), 0.0f, 1e-4);
    EXPECT_NEAR(steps.at(2249), 85.0f - 1.0f / 30.0f, 1e-4);
}

TEST(RecordSettingsTest, FramesFollowSecondsAndRate)
{
    RecordSettings settings;
    EXPECT_EQ(settings.frameCount(), 2550);
    settings.fps = 10;
    settings.seconds = 2.0f;
    EXPECT_EQ(settings.frameCount(), 20);
    settings.seconds = 0.01f;
    EXPECT_EQ(settings.frameCount(), 1);
}

TEST(RecordSettingsTest, BadNumbersAreRefused)
{
    EXPECT_EQ(framesPerSecond("24"), 24);
    EXPECT_FLOAT_EQ(recordingSeconds("2.5"), 2.5f);
    for (const char* bad : {"0", "-5", "2.5", "30fps", "", "241"}) {
        EXPECT_THROW(framesPerSecond(bad), OptionError) << bad;
    }
    for (const char* bad : {"0", "-1", "nan", "inf", "2s", "", "86401"}) {
        EXPECT_THROW(recordingSeconds(bad), OptionError) << bad;
    }
}

TEST(ProgressLineTest, TextGivesDoneOfAllElapsedAndWhatIsLeft)
{
    EXPECT_EQ(progressText(120, 2550, 60.0), "frame 120/2550, 1:00 elapsed, about 20:15 left");
    EXPECT_EQ(progressText(2550, 2550, 3725.0), "frame 2550/2550, 1:02:05 elapsed");
}

TEST(ProgressLineTest, LineIsRewrittenInPlaceAndEndedOnce)
{
    std::ostringstream out;
    ProgressLine line(out, "recording: ", 3);
    line.show(1);
    line.show(2);
    line.show(3);
    line.end();
    const std::string text = out.str();
    EXPECT_EQ(text.front(), '\r');
    EXPECT_EQ(text.find('\n'), text.size() - 1);
    EXPECT_NE(text.find("recording: frame 3/3"), std::string::npos) << text;
}
