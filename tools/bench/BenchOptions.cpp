#include "BenchOptions.h"

#include "app/OptionValues.h"
#include "app/Timeline.h"
#include "constants/FullScreenSize.h"

#include <unistd.h>

#include <cmath>
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

float finiteNumber(const std::string& text, bool& ok)
{
    size_t used = 0;
    float value = 0.0f;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    ok = ok && !text.empty() && used == text.size() && std::isfinite(value);
    return value;
}

// Three comma-separated finite numbers, a point of the scene.
glm::vec3 scenePoint(const std::string& option, const std::string& text)
{
    std::vector<std::string> items;
    std::stringstream list(text);
    for (std::string item; std::getline(list, item, ',');) {
        items.push_back(item);
    }
    bool ok = items.size() == 3 && text.back() != ',';
    glm::vec3 point(0.0f);
    for (size_t i = 0; ok && i < 3; i++) {
        point[static_cast<int>(i)] = finiteNumber(items[i], ok);
    }
    if (!ok) {
        throw badValue(option, text, "a point X,Y,Z");
    }
    return point;
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
    parser.value("--eye", "X,Y,Z", "where the free camera stands (with --camera free and --look-at; up is -y)",
                 [&](const std::string& v) { options.eye = scenePoint("--eye", v); });
    parser.value("--look-at", "X,Y,Z", "what the free camera looks at (with --eye)",
                 [&](const std::string& v) { options.lookAt = scenePoint("--look-at", v); });
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
    if (options.eye.has_value() != options.lookAt.has_value()) {
        throw OptionError("--eye and --look-at go together");
    }
    if (options.eye && options.run.camera != StartCamera::Free) {
        throw OptionError("--eye and --look-at need --camera free");
    }
    if (options.eye && *options.eye == *options.lookAt) {
        throw OptionError("--look-at must differ from --eye");
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
