#include "BenchOptions.h"

#include "video/VideoOutputCheck.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace {

constexpr float cycleSeconds = 85.0f;
const std::string lastDisplayMode = std::to_string(DisplayModeCount - 1);

std::invalid_argument badValue(const std::string& option, const std::string& value, const std::string& expected)
{
    return std::invalid_argument("kestrelwing_bench: " + option + " takes " + expected + ", not '" + value + "'");
}

int integerAtLeast(const std::string& option, const std::string& text, int smallest)
{
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size() || value < smallest) {
        throw badValue(option, text, "a whole number of at least " + std::to_string(smallest));
    }
    return value;
}

float timelineSecond(const std::string& option, const std::string& text)
{
    size_t used = 0;
    float value = -1.0f;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size() || !(value >= 0.0f && value < cycleSeconds)) {
        throw badValue(option, text, "timeline seconds from 0 to below 85");
    }
    return value;
}

std::vector<float> timelineSeconds(const std::string& option, const std::string& text)
{
    std::vector<float> seconds;
    std::stringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        seconds.push_back(timelineSecond(option, item));
    }
    if (seconds.empty() || text.back() == ',') {
        throw badValue(option, text, "a comma-separated list of timeline seconds");
    }
    return seconds;
}

BenchCamera cameraNamed(const std::string& text)
{
    if (text == "path") {
        return BenchCamera::Path;
    }
    if (text == "free") {
        return BenchCamera::Free;
    }
    throw badValue("--camera", text, "path or free");
}

DisplayMode displayMode(const std::string& text)
{
    const int mode = integerAtLeast("--mode", text, 0);
    if (mode >= DisplayModeCount) {
        throw badValue("--mode", text, "a display mode from 0 to " + lastDisplayMode);
    }
    return static_cast<DisplayMode>(mode);
}

// "WIDTHxHEIGHT", each side a whole number of at least 1.
std::pair<int, int> sizeWxH(const std::string& text)
{
    const size_t x = text.find('x');
    if (x == std::string::npos) {
        throw badValue("--size", text, "WIDTHxHEIGHT, each a whole number of at least 1");
    }
    return {integerAtLeast("--size", text.substr(0, x), 1), integerAtLeast("--size", text.substr(x + 1), 1)};
}

// The recording's own numbers are read by the library, which names the option but not the program.
template <typename Reading> auto recordingNumber(Reading reading, const std::string& text)
{
    try {
        return reading(text);
    } catch (const RecordingRefused& e) {
        throw std::invalid_argument("kestrelwing_bench: " + std::string(e.what()));
    }
}

void requireWritableFolder(const std::string& folder)
{
    if (!std::filesystem::is_directory(folder) || access(folder.c_str(), W_OK) != 0) {
        throw std::invalid_argument("kestrelwing_bench: --out '" + folder + "' is not a folder this run can write to");
    }
}

// Options after a run of flags and pairs have been read: the ones that only
// make sense together.
void checkCombinations(const BenchOptions& options, bool sizeGiven)
{
    if (options.record) {
        if (!options.captureTimes.empty()) {
            throw std::invalid_argument("kestrelwing_bench: --record and --capture go separately");
        }
        return;
    }
    if (sizeGiven && !options.offscreen) {
        throw std::invalid_argument("kestrelwing_bench: --width and --height need --offscreen");
    }
    if (!options.validation && !options.offscreen) {
        throw std::invalid_argument("kestrelwing_bench: --no-validation needs --offscreen");
    }
    if (options.captureTimes.empty() != options.captureFolder.empty()) {
        throw std::invalid_argument("kestrelwing_bench: --capture and --out go together");
    }
    if (!options.captureFolder.empty()) {
        requireWritableFolder(options.captureFolder);
    }
}

} // namespace

const std::string benchUsage =
    "usage: kestrelwing_bench [--frames N] [--warmup N] [--particles N] [--face PIXELS] [--time SECONDS] "
    "[--csv FILE] [--offscreen [--width N] [--height N] [--size WxH] [--no-validation]] [--camera path|free] "
    "[--mode 0-" +
    lastDisplayMode + "] [--capture T1,T2,... --out DIR] [--record FILE.mp4|FILE.webm [--fps N] [--seconds S]]";

namespace {

// The options that belong to --record: what it asked for, or a refusal
// when they came without it. Until then they wait in `pending`.
void settleRecording(BenchOptions& options, const RecordSettings& pending, bool recordingOnly, bool timeGiven,
                     bool sizeGiven)
{
    if (!options.record) {
        if (recordingOnly) {
            throw std::invalid_argument("kestrelwing_bench: --fps and --seconds need --record");
        }
        return;
    }
    const std::string file = options.record->file;
    options.record = pending;
    options.record->file = file;
    options.record->startTime = timeGiven ? options.startTime : 0.0f;
    if (sizeGiven) {
        options.record->size = {static_cast<uint32_t>(options.width), static_cast<uint32_t>(options.height)};
    }
    options.record->freeCamera = options.camera == BenchCamera::Free;
    options.record->displayMode = options.displayMode;
    options.record->validation = options.validation;
    options.offscreen = true;
}

} // namespace

BenchOptions parseBenchOptions(const std::vector<std::string>& arguments)
{
    BenchOptions options;
    bool sizeGiven = false;
    RecordSettings recording;
    bool recordingOnly = false;
    bool timeGiven = false;
    const std::map<std::string, std::function<void()>> flags = {
        {"--offscreen", [&] { options.offscreen = true; }},
        {"--no-validation", [&] { options.validation = false; }},
    };
    const std::map<std::string, std::function<void(const std::string&)>> pairs = {
        {"--frames", [&](const std::string& v) { options.frames = integerAtLeast("--frames", v, 1); }},
        {"--warmup", [&](const std::string& v) { options.warmupFrames = integerAtLeast("--warmup", v, 0); }},
        {"--particles",
         [&](const std::string& v) { options.sceneSize.particleCount = integerAtLeast("--particles", v, 1); }},
        {"--face",
         [&](const std::string& v) { options.sceneSize.environmentFaceSize = integerAtLeast("--face", v, 1); }},
        {"--time",
         [&](const std::string& v) {
             options.startTime = timelineSecond("--time", v);
             timeGiven = true;
         }},
        {"--csv", [&](const std::string& v) { options.csvPath = v; }},
        {"--width",
         [&](const std::string& v) {
             options.width = integerAtLeast("--width", v, 1);
             sizeGiven = true;
         }},
        {"--height",
         [&](const std::string& v) {
             options.height = integerAtLeast("--height", v, 1);
             sizeGiven = true;
         }},
        {"--size",
         [&](const std::string& v) {
             std::tie(options.width, options.height) = sizeWxH(v);
             sizeGiven = true;
         }},
        {"--record",
         [&](const std::string& v) {
             options.record = RecordSettings();
             options.record->file = v;
         }},
        {"--fps",
         [&](const std::string& v) {
             recording.fps = recordingNumber(framesPerSecond, v);
             recordingOnly = true;
         }},
        {"--seconds",
         [&](const std::string& v) {
             recording.seconds = recordingNumber(recordingSeconds, v);
             recordingOnly = true;
         }},
        {"--camera", [&](const std::string& v) { options.camera = cameraNamed(v); }},
        {"--mode", [&](const std::string& v) { options.displayMode = displayMode(v); }},
        {"--capture", [&](const std::string& v) { options.captureTimes = timelineSeconds("--capture", v); }},
        {"--out", [&](const std::string& v) { options.captureFolder = v; }},
    };
    for (size_t i = 0; i < arguments.size(); i++) {
        const std::string& name = arguments[i];
        if (auto flag = flags.find(name); flag != flags.end()) {
            flag->second();
        } else if (auto pair = pairs.find(name); pair != pairs.end()) {
            if (i + 1 >= arguments.size()) {
                throw std::invalid_argument("kestrelwing_bench: " + name + " needs a value");
            }
            pair->second(arguments[++i]);
        } else {
            throw std::invalid_argument("kestrelwing_bench: unknown option '" + name + "'; " + benchUsage);
        }
    }
    settleRecording(options, recording, recordingOnly, timeGiven, sizeGiven);
    checkCombinations(options, sizeGiven);
    return options;
}

std::string captureFileName(float t)
{
    char name[32];
    std::snprintf(name, sizeof(name), "t%05.2f.png", static_cast<double>(t));
    return name;
}
