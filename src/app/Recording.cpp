#include "app/Recording.h"

#include "app/FixedSteps.h"
#include "app/FramesUpTo.h"
#include "app/OffscreenScene.h"
#include "app/StopSignal.h"
#include "renderer/OffscreenTarget.h"
#include "timing/ProgressLine.h"
#include "video/VideoEncoder.h"
#include "video/VideoOutputCheck.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

int recordFrames(Application& app, const RecordSettings& settings, VideoEncoder& encoder, const StopSignal& stop,
                 std::ostream& progress)
{
    const FixedSteps steps(settings.startTime, 1.0f / static_cast<float>(settings.fps));
    const OffscreenTarget& target = *app.getRenderer().getOffscreenTarget();
    const int frames = settings.frameCount();
    ProgressLine line(progress, "recording " + std::filesystem::path(settings.file).filename().string() + ": ", frames);
    // The first frame is played as a capture of its second is; the lead-in is not recorded.
    playFramesUpTo(app, steps.at(0), captureLeadInFrames, captureLeadInStep);
    int done = 0;
    while (true) {
        encoder.write(target.lastReadBack().rgba);
        line.show(++done);
        if (done == frames || stop.received() != 0) {
            break;
        }
        playFramesUpTo(app, steps.at(done), 0, steps.step());
    }
    line.end();
    return done;
}

// "2550 frames (1280x720, 30 fps, 85.00 s of video) in 1234 s"
std::string describe(const RecordSettings& settings, const RecordingResult& result)
{
    char text[160];
    std::snprintf(text, sizeof(text), "%d frames (%ux%u, %d fps, %.2f s of video) in %.0f s", result.framesWritten,
                  settings.size.width, settings.size.height, settings.fps,
                  static_cast<double>(result.framesWritten) / settings.fps, result.seconds);
    return text;
}

} // namespace

void checkRecording(const RecordSettings& settings)
{
    checkVideoPath(settings.file);
    checkVideoSize(settings.size.width, settings.size.height);
    checkEncoderInstalled();
}

RecordingResult recordFlight(const RecordSettings& asked, std::ostream& progress)
{
    const auto start = std::chrono::steady_clock::now();
    // Starting the scene moves into the project's root; the file stays where it was asked for.
    RecordSettings settings = asked;
    settings.file = std::filesystem::absolute(asked.file).string();
    auto app = startOffscreenScene(settings.size, settings.renderer);
    app->useFreeCamera(settings.freeCamera);
    app->forceDisplayMode(settings.displayMode);
    RecordingResult result;
    try {
        VideoEncoder encoder(settings.file, {settings.size.width, settings.size.height, settings.fps});
        StopSignal stop;
        result.framesWritten = recordFrames(*app, settings, encoder, stop, progress);
        result.stopSignal = stop.received();
        encoder.finish();
    } catch (...) {
        app->cleanup();
        throw;
    }
    app->cleanup();
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

int recordCommand(const RecordSettings& settings, const std::string& program)
{
    try {
        checkRecording(settings);
    } catch (const RecordingRefused& e) {
        std::cerr << program << ": " << e.what() << std::endl;
        return 2;
    }
    try {
        const RecordingResult result = recordFlight(settings, std::cerr);
        if (result.stopSignal != 0) {
            std::cerr << program << ": stopped; " << settings.file << " holds the first " << describe(settings, result)
                      << std::endl;
            return 128 + result.stopSignal;
        }
        std::cerr << program << ": recorded " << settings.file << ": " << describe(settings, result) << std::endl;
    } catch (const EncoderFailure& e) {
        std::cerr << program << ": ffmpeg failed: " << e.what() << std::endl;
        return 1;
    }
    return 0;
}
