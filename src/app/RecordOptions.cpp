#include "app/RecordOptions.h"

void addRecordOptions(OptionParser& parser, RecordOptions& options)
{
    parser.value("--record", "FILE",
                 "record the flight offscreen into FILE (.mp4: H.264, .webm: VP9) with ffmpeg, and exit",
                 [&](const std::string& v) { options.file = v; });
    parser.flag("--offscreen", "draw into images of the renderer's own, no window (what --record does)",
                [&] { options.offscreen = true; });
    parser.value("--fps", "N", "frames a second of the recording (30); each advances the timeline by 1/N",
                 [&](const std::string& v) { options.fps = framesPerSecond(v); });
    parser.value("--seconds", "S", "length of the recording (85, one whole cycle)",
                 [&](const std::string& v) { options.seconds = recordingSeconds(v); });
}

void checkRecordOptions(const RecordOptions& record, const RunOptions& run)
{
    if (!record.file) {
        if (record.offscreen || record.fps || record.seconds) {
            throw OptionError("--offscreen, --fps and --seconds go with --record");
        }
        return;
    }
    if (run.frames) {
        throw OptionError("--record takes its length from --seconds, not --frames");
    }
    if (run.fullScreen || run.renderer.presentMode || run.overlay) {
        throw OptionError(
            "--record draws offscreen: --fullscreen, --windowed, --present-mode and --overlay do not apply");
    }
}

RecordSettings recordSettings(const RecordOptions& record, const RunOptions& run)
{
    RecordSettings settings;
    settings.file = *record.file;
    settings.fps = record.fps.value_or(settings.fps);
    settings.seconds = record.seconds.value_or(settings.seconds);
    settings.startTime = run.startTime.value_or(0.0f);
    settings.size = run.size.value_or(settings.size);
    settings.freeCamera = run.camera == StartCamera::Free;
    settings.displayMode = run.displayMode;
    settings.renderer = run.renderer;
    return settings;
}
