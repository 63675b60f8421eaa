#include "renderer/FrameCompare.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

FramePixels flatFrame(uint32_t width, uint32_t height, uint8_t grey)
{
    FramePixels frame{width, height, std::vector<uint8_t>(size_t{width} * height * 4, grey)};
    for (size_t alpha = 3; alpha < frame.rgba.size(); alpha += 4) {
        frame.rgba[alpha] = 255;
    }
    return frame;
}

} // namespace

TEST(FrameCompareTest, CountsPixelsWhoseWorstChannelIsBeyondTheTolerance)
{
    const FramePixels reference = flatFrame(10, 10, 100);
    FramePixels frame = reference;
    frame.rgba[0] = 108;     // pixel 0, red: at the tolerance, not beyond
    frame.rgba[4 + 2] = 109; // pixel 1, blue: beyond
    frame.rgba[8 + 1] = 60;  // pixel 2, green, darker: beyond

    const FrameDifference difference = compareFrames(reference, frame, 8);
    EXPECT_DOUBLE_EQ(difference.differingShare, 0.02);
    EXPECT_EQ(difference.largestDelta, 40);
    EXPECT_DOUBLE_EQ(compareFrames(reference, frame, 40).differingShare, 0.0);
    EXPECT_DOUBLE_EQ(compareFrames(frame, frame, 0).differingShare, 0.0);
}

TEST(FrameCompareTest, RefusesFramesOfDifferentSizes)
{
    EXPECT_THROW(compareFrames(flatFrame(4, 2, 0), flatFrame(2, 4, 0), 8), std::invalid_argument);
}

TEST(FrameCompareTest, PngRoundTripKeepsEveryChannel)
{
    TempDir dir;
    FramePixels frame = flatFrame(3, 2, 0);
    for (size_t i = 0; i < frame.rgba.size(); i++) {
        frame.rgba[i] = static_cast<uint8_t>(i * 10);
    }
    const std::string path = (dir.path() / "frame.png").string();
    writePng(path, frame);
    const FramePixels back = readPng(path);
    EXPECT_EQ(back.width, 3u);
    EXPECT_EQ(back.height, 2u);
    EXPECT_EQ(back.rgba, frame.rgba);
    EXPECT_THROW(readPng((dir.path() / "missing.png").string()), std::runtime_error);
    EXPECT_THROW(writePng((dir.path() / "no" / "such.png").string(), frame), std::runtime_error);
}
