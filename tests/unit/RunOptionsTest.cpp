#include "app/RunOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

RunOptions parsed(const std::vector<std::string>& arguments)
{
    RunOptions options;
    OptionParser parser("kestrelwing");
    addRunOptions(parser, options);
    parser.parse(arguments);
    return options;
}

struct BadCommandLine {
    std::vector<std::string> arguments;
    std::string message;
};

} // namespace

TEST(RunOptionsTest, EachBadValueIsOneLineNamingTheOptionAndTheValue)
{
    const std::vector<BadCommandLine> cases = {
        {{"--fast"}, "unknown option '--fast' (kestrelwing --help lists them)"},
        {{"windowed"}, "unknown option 'windowed' (kestrelwing --help lists them)"},
        {{"--windowed", "--size"}, "--size needs a value (WxH)"},
        {{"--size", "0x600"}, "--size takes WIDTHxHEIGHT, each a whole number from 1 to 16384, not '0x600'"},
        {{"--size", "-800x600"}, "not '-800x600'"},
        {{"--size", "800x"}, "not '800x'"},
        {{"--size", "800"}, "not '800'"},
        {{"--size", "800x600.5"}, "not '800x600.5'"},
        {{"--size", "20000x600"}, "not '20000x600'"},
        {{"--gpu", "-1"}, "--gpu takes a whole number of at least 0, not '-1'"},
        {{"--gpu", "first"}, "--gpu takes a whole number of at least 0, not 'first'"},
        {{"--present-mode", "vsync"}, "--present-mode takes fifo, mailbox or immediate, not 'vsync'"},
        {{"--present-mode", "fifo_relaxed"}, "not 'fifo_relaxed'"},
        {{"--mode", "8"}, "--mode takes a display mode from 0 to 7, not '8'"},
        {{"--mode", "-1"}, "--mode takes a whole number of at least 0, not '-1'"},
        {{"--time", "nan"}, "--time takes a finite number of seconds, not 'nan'"},
        {{"--time", "inf"}, "not 'inf'"},
        {{"--time", "1e40"}, "not '1e40'"},
        {{"--time", "12s"}, "not '12s'"},
        {{"--frames", "0"}, "--frames takes a whole number of at least 1, not '0'"},
        {{"--frames", "2.5"}, "not '2.5'"},
        {{"--camera", "orbit"}, "--camera takes path or free, not 'orbit'"},
        {{"--windowed=yes"}, "--windowed takes no value, not 'yes'"},
    };
    for (const BadCommandLine& bad : cases) {
        try {
            parsed(bad.arguments);
            ADD_FAILURE() << "accepted: " << bad.arguments.back();
        } catch (const OptionError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(bad.message), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
    }
}

TEST(RunOptionsTest, WithoutArgumentsTheDemoRunsFullScreenAsBefore)
{
    const RunOptions options = parsed({});
    EXPECT_FALSE(options.windowed());
    EXPECT_EQ(options.windowSize().width, 1920u);
    EXPECT_EQ(options.windowSize().height, 1080u);
    EXPECT_TRUE(options.renderer.validation);
    EXPECT_FALSE(options.renderer.verbose);
    EXPECT_FALSE(options.renderer.device.has_value());
    EXPECT_FALSE(options.renderer.presentMode.has_value());
    EXPECT_FALSE(options.startTime.has_value());
    EXPECT_FALSE(options.frames.has_value());
}

TEST(RunOptionsTest, ASizeAsksForAWindowUnlessFullScreenIsSaid)
{
    EXPECT_TRUE(parsed({"--windowed"}).windowed());
    EXPECT_EQ(parsed({"--windowed"}).windowSize().width, 1280u);
    EXPECT_EQ(parsed({"--windowed"}).windowSize().height, 720u);

    const RunOptions sized = parsed({"--size", "800x600"});
    EXPECT_TRUE(sized.windowed());
    EXPECT_EQ(sized.windowSize().width, 800u);
    EXPECT_EQ(sized.windowSize().height, 600u);

    EXPECT_FALSE(parsed({"--size=1280x720", "--fullscreen"}).windowed());
    EXPECT_TRUE(parsed({"--fullscreen", "--windowed"}).windowed());
}

TEST(RunOptionsTest, ValuesReachTheirFields)
{
    const RunOptions options =
        parsed({"--gpu", "1", "--present-mode", "fifo", "--mode=3", "--camera", "free", "--frames", "20",
                "--no-validation", "--verbose", "--list-gpus"});
    EXPECT_EQ(options.renderer.device, 1u);
    EXPECT_EQ(options.renderer.presentMode, VK_PRESENT_MODE_FIFO_KHR);
    EXPECT_EQ(options.displayMode, ShowCoefficients);
    EXPECT_EQ(options.camera, StartCamera::Free);
    EXPECT_EQ(options.frames, 20);
    EXPECT_FALSE(options.renderer.validation);
    EXPECT_TRUE(options.renderer.verbose);
    EXPECT_TRUE(options.listDevices);
}

TEST(RunOptionsTest, TheStartTimeIsASecondOfTheCycle)
{
    EXPECT_FLOAT_EQ(*parsed({"--time", "41.5"}).startTime, 41.5f);
    EXPECT_FLOAT_EQ(*parsed({"--time", "100"}).startTime, 15.0f);
    EXPECT_FLOAT_EQ(*parsed({"--time", "-5"}).startTime, 80.0f);
    EXPECT_FLOAT_EQ(*parsed({"--time", "85"}).startTime, 0.0f);
}

TEST(RunOptionsTest, TheHelpNamesEveryOption)
{
    RunOptions options;
    OptionParser parser("kestrelwing");
    addRunOptions(parser, options);
    const std::string help = parser.help();
    for (const char* option : {"--help", "--version", "--windowed", "--fullscreen", "--size WxH", "--present-mode",
                               "--list-gpus", "--gpu N", "--mode N", "--camera", "--time T", "--frames N",
                               "--no-validation", "--verbose"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}
