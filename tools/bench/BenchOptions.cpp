#include "BenchOptions.h"

#include "app/OptionValues.h"
#include "app/Timeline.h"
#include "constants/FullScreenSize.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

namespace {

float timelineSecond(const std::string& option, const std::string& text)
{
    size_t used = 0;
    float value = -1.0f;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size() || !(value >= 0.0f && value < timelineCycle)) {
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

// --width and --height each set one side of the offscreen size.
void setSide(BenchOptions& options, const std::string& option, const std::string& text, uint32_t VkExtent2D::*side)
{
    VkExtent2D size = options.run.size.value_or(VkExtent2D{fullScreenWidth, fullScreenHeight});
    size.*side = static_cast<uint32_t>(wholeNumberAtLeast(option, text, 1));
    options.run.size = size;
    options.sizeByAxis = true;
}

void requireWritableFolder(const std::string& folder)
{
    if (!std::filesystem::is_directory(folder) || access(folder.c_str(), W_OK) != 0) {
        throw OptionError("--out '" + folder + "' is not a folder this run can write to");
    }
}

} // namespace

void addBenchOptions(OptionParser& parser, BenchOptions& options)
{
    addRunOptions(parser, options.run);
    parser.flag("--offscreen", "no window and no display: frames go to images of the renderer's own",
                [&] { options.offscreen = true; });
    parser.value("--width", "N", "the offscreen width (with --offscreen)",
                 [&](const std::string& v) { setSide(options, "--width", v, &VkExtent2D::width); });
    parser.value("--height", "N", "the offscreen height (with --offscreen)",
                 [&](const std::string& v) { setSide(options, "--height", v, &VkExtent2D::height); });
    parser.value("--warmup", "N", "frames played before the measured ones (5)",
                 [&](const std::string& v) { options.warmupFrames = wholeNumberAtLeast("--warmup", v, 0); });
    parser.value("--particles", "N", "particles in the scene", [&](const std::string& v) {
        options.sceneSize.particleCount = wholeNumberAtLeast("--particles", v, 1);
    });
    parser.value("--face", "PIXELS", "side of the environment cube's faces", [&](const std::string& v) {
        options.sceneSize.environmentFaceSize = wholeNumberAtLeast("--face", v, 1);
    });
    parser.value("--csv", "FILE", "per-frame times (bench.csv)", [&](const std::string& v) { options.csvPath = v; });
    parser.value("--capture", "T1,T2,...", "save the frames at these timeline seconds (with --out)",
                 [&](const std::string& v) { options.captureTimes = timelineSeconds("--capture", v); });
    parser.value("--out", "DIR", "the folder of the captures", [&](const std::string& v) { options.captureFolder = v; });
}

void checkBenchOptions(const BenchOptions& options)
{
    if (options.sizeByAxis && !options.offscreen) {
        throw OptionError("--width and --height need --offscreen");
    }
    if (!options.run.renderer.validation && !options.offscreen) {
        throw OptionError("--no-validation needs --offscreen");
    }
    if (options.offscreen && (options.run.fullScreen || options.run.renderer.presentMode)) {
        throw OptionError("--offscreen has no window for --windowed, --fullscreen or --present-mode");
    }
    if (options.captureTimes.empty() != options.captureFolder.empty()) {
        throw OptionError("--capture and --out go together");
    }
    if (!options.captureFolder.empty()) {
        requireWritableFolder(options.captureFolder);
    }
}

std::string captureFileName(float t)
{
    char name[32];
    std::snprintf(name, sizeof(name), "t%05.2f.png", static_cast<double>(t));
    return name;
}
