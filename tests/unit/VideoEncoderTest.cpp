#include "TempDir.h"

#include "video/VideoEncoder.h"
#include "video/VideoFormat.h"
#include "video/VideoOutputCheck.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

namespace {

// Runs a test with PATH pointing at `folder` alone, and puts it back after.
class PathOverride {
public:
    explicit PathOverride(const std::string& folder) : saved(std::getenv("PATH")) { setenv("PATH", folder.c_str(), 1); }
    ~PathOverride() { setenv("PATH", saved.c_str(), 1); }

private:
    std::string saved;
};

size_t filesIn(const std::filesystem::path& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

const std::vector<uint8_t> greyFrame(16 * 16 * 4, 128);

} // namespace

TEST(VideoFormatTest, TheExtensionPicksTheCodec)
{
    EXPECT_EQ(videoFormatOf("out/flight.mp4"), VideoFormat::Mp4);
    EXPECT_EQ(videoFormatOf("Flight.WEBM"), VideoFormat::WebM);
    EXPECT_EQ(videoFormatOf("flight.avi"), std::nullopt);
    EXPECT_EQ(videoFormatOf("mp4"), std::nullopt);
    const std::vector<std::string> h264 = encoderArguments(VideoFormat::Mp4);
    EXPECT_NE(std::find(h264.begin(), h264.end(), "libx264"), h264.end());
    EXPECT_NE(std::find(h264.begin(), h264.end(), "yuv420p"), h264.end());
    const std::vector<std::string> vp9 = encoderArguments(VideoFormat::WebM);
    EXPECT_NE(std::find(vp9.begin(), vp9.end(), "libvpx-vp9"), vp9.end());
}

TEST(VideoOutputCheckTest, RefusesWhatCannotBeWritten)
{
    TempDir dir;
    EXPECT_NO_THROW(checkVideoPath((dir.path() / "a.mp4").string()));
    EXPECT_THROW(checkVideoPath((dir.path() / "a.mkv").string()), RecordingRefused);
    EXPECT_THROW(checkVideoPath((dir.path() / "missing" / "a.mp4").string()), RecordingRefused);
    std::filesystem::create_directory(dir.path() / "b.webm");
    EXPECT_THROW(checkVideoPath((dir.path() / "b.webm").string()), RecordingRefused);
    EXPECT_NO_THROW(checkVideoSize(320, 180));
    EXPECT_THROW(checkVideoSize(321, 180), RecordingRefused);
    EXPECT_THROW(checkVideoSize(320, 181), RecordingRefused);
}

TEST(VideoOutputCheckTest, NoEncoderOnThePathIsRefusedWithHowToInstallIt)
{
    TempDir dir;
    const PathOverride path(dir.path().string());
    try {
        checkEncoderInstalled();
        FAIL() << "no ffmpeg on the PATH went unnoticed";
    } catch (const RecordingRefused& e) {
        EXPECT_NE(std::string(e.what()).find("apt-get install ffmpeg"), std::string::npos) << e.what();
    }
}

TEST(VideoEncoderTest, FinishedVideoGetsItsNameAndNothingElseIsLeft)
{
    TempDir dir;
    const std::string file = (dir.path() / "grey.mp4").string();
    VideoEncoder encoder(file, {16, 16, 10});
    for (int i = 0; i < 3; i++) {
        encoder.write(greyFrame);
    }
    encoder.finish();
    EXPECT_GT(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(VideoEncoderTest, AbandonedVideoLeavesNoFile)
{
    TempDir dir;
    {
        VideoEncoder encoder((dir.path() / "grey.webm").string(), {16, 16, 10});
        encoder.write(greyFrame);
    }
    EXPECT_EQ(filesIn(dir.path()), 0u);
}

TEST(VideoEncoderTest, FailingEncoderReportsItsLastLineAndLeavesNoFile)
{
    TempDir bin;
    const std::string fake = bin.write("ffmpeg", "#!/bin/sh\nhead -c 2048 >/dev/null\necho 'opening output'\n"
                                                 "echo 'No space left on device' >&2\nexit 1\n");
    chmod(fake.c_str(), 0755);
    const PathOverride path(bin.path().string());
    TempDir dir;
    VideoEncoder encoder((dir.path() / "grey.mp4").string(), {16, 16, 10});
    try {
        for (int i = 0; i < 100; i++) {
            encoder.write(greyFrame);
        }
        encoder.finish();
        FAIL() << "the encoder's failure went unnoticed";
    } catch (const EncoderFailure& e) {
        EXPECT_STREQ(e.what(), "No space left on device");
    }
    EXPECT_EQ(filesIn(dir.path()), 0u);
}
