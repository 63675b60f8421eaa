#include "BenchOptions.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

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
    if (sizeGiven && !options.offscreen) {
        throw std::invalid_argument("kestrelwing_bench: --width and --height need --offscreen");
    }
    if (!options.validation && !options.offscreen) {
        throw std::invalid_argument("kestrelwing_bench: --no-validation needs --offscreen");
    }
    if (options.eye && options.camera != BenchCamera::Free) {
        throw std::invalid_argument("kestrelwing_bench: --eye and --look-at need --camera free");
    }
    if (options.eye && *options.eye == options.lookAt) {
        throw std::invalid_argument("kestrelwing_bench: --look-at must differ from --eye");
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
    "[--csv FILE] [--offscreen [--width N] [--height N] [--no-validation]] [--camera path|free [--eye X,Y,Z "
    "--look-at X,Y,Z]] [--mode 0-" +
    lastDisplayMode + "] [--capture T1,T2,... --out DIR]";

BenchOptions parseBenchOptions(const std::vector<std::string>& arguments)
{
    BenchOptions options;
    bool sizeGiven = false;
    bool lookAtGiven = false;
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
        {"--time", [&](const std::string& v) { options.startTime = timelineSecond("--time", v); }},
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
        {"--camera", [&](const std::string& v) { options.camera = cameraNamed(v); }},
        {"--eye", [&](const std::string& v) { options.eye = scenePoint("--eye", v); }},
        {"--look-at",
         [&](const std::string& v) {
             options.lookAt = scenePoint("--look-at", v);
             lookAtGiven = true;
         }},
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
    if (options.eye.has_value() != lookAtGiven) {
        throw std::invalid_argument("kestrelwing_bench: --eye and --look-at go together");
    }
    checkCombinations(options, sizeGiven);
    return options;
}

std::string captureFileName(float t)
{
    char name[32];
    std::snprintf(name, sizeof(name), "t%05.2f.png", static_cast<double>(t));
    return name;
}
