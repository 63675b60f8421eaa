#include "FixtureImages.h"
#include "GpuTest.h"
#include "TempDir.h"

#include "textures/DecodedImage.h"
#include "timing/StartupTally.h"

#include <chrono>
#include <thread>

TEST(StartupTallyTest, TimerAddsItsLifetimeToItsOwnCostOnly)
{
    const double uploadsBefore = startupSeconds(StartupCost::Uploads);
    const double decodingBefore = startupSeconds(StartupCost::Decoding);
    const double pipelinesBefore = startupSeconds(StartupCost::Pipelines);
    {
        StartupTimer timer(StartupCost::Pipelines);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const double added = startupSeconds(StartupCost::Pipelines) - pipelinesBefore;
    EXPECT_GE(added, 0.020);
    EXPECT_LT(added, 5.0);
    EXPECT_EQ(startupSeconds(StartupCost::Uploads), uploadsBefore);
    EXPECT_EQ(startupSeconds(StartupCost::Decoding), decodingBefore);
}

TEST(StartupTallyTest, DecodingAnImageCountsAsDecoding)
{
    TempDir dir;
    const std::string path = (dir.path() / "pattern.jpg").string();
    writePatternJpg(path, 64, 64);
    const double before = startupSeconds(StartupCost::Decoding);
    const DecodedImage decoded = decodeImage(path);
    ASSERT_TRUE(decoded.pixels);
    EXPECT_GT(startupSeconds(StartupCost::Decoding), before);
}

class StartupTallyGpuTest : public GpuTest {};

TEST_F(StartupTallyGpuTest, OneOffCommandsCountAsUploads)
{
    const double before = startupSeconds(StartupCost::Uploads);
    const BufferUtils utils = bufferUtils();
    utils.endSingleTimeCommands(utils.beginSingleTimeCommands());
    EXPECT_GT(startupSeconds(StartupCost::Uploads), before);
}
