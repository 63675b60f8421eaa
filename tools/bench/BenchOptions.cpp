#include "BenchOptions.h"

#include <stdexcept>

const char* const benchUsage =
    "usage: kestrelwing_bench [--frames N] [--warmup N] [--particles N] [--face PIXELS] [--time SECONDS] "
    "[--csv FILE]";

namespace {

int positiveInteger(const std::string& text, int smallest) {
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value < smallest) {
        throw std::invalid_argument(benchUsage);
    }
    return value;
}

float timelineSecond(const std::string& text) {
    size_t used = 0;
    float value = -1.0f;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !(value >= 0.0f && value < 85.0f)) {
        throw std::invalid_argument(benchUsage);
    }
    return value;
}

}  // namespace

BenchOptions parseBenchOptions(const std::vector<std::string>& arguments) {
    BenchOptions options;
    for (size_t i = 0; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size()) {
            throw std::invalid_argument(benchUsage);
        }
        const std::string& name = arguments[i];
        const std::string& value = arguments[i + 1];
        if (name == "--frames") {
            options.frames = positiveInteger(value, 1);
        } else if (name == "--warmup") {
            options.warmupFrames = positiveInteger(value, 0);
        } else if (name == "--particles") {
            options.sceneSize.particleCount = positiveInteger(value, 1);
        } else if (name == "--face") {
            options.sceneSize.environmentFaceSize = positiveInteger(value, 1);
        } else if (name == "--time") {
            options.startTime = timelineSecond(value);
        } else if (name == "--csv") {
            options.csvPath = value;
        } else {
            throw std::invalid_argument(benchUsage);
        }
    }
    return options;
}
