#include "GoldenShots.h"
#include "GoldenTolerance.h"

#include "renderer/FrameCompare.h"

#include <filesystem>
#include <iomanip>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr uint32_t goldenWidth = 480;
constexpr uint32_t goldenHeight = 270;

const char* const usage = "usage: kestrelwing_golden [--update] [--actual DIR] | --compare EXPECTED.png ACTUAL.png";

bool withinTolerance(const FrameDifference& difference)
{
    return difference.differingShare <= differingShareLimit;
}

void printDifference(const std::string& name, const FrameDifference& difference)
{
    std::cout << std::left << std::setw(24) << name << std::right << std::fixed << std::setprecision(3) << std::setw(8)
              << difference.differingShare * 100.0 << " % of pixels over " << channelTolerance << ", largest delta "
              << std::setw(3) << difference.largestDelta << (withinTolerance(difference) ? "  ok" : "  FAIL") << '\n';
}

int compareTwo(const std::string& expected, const std::string& actual)
{
    const FrameDifference difference = compareFrames(readPng(expected), readPng(actual), channelTolerance);
    printDifference(std::filesystem::path(actual).filename().string(), difference);
    return withinTolerance(difference) ? 0 : 1;
}

// Renders every shot and compares it with its reference, or, updating, makes
// it the reference. Frames that fail are written to `actualFolder` if given.
int checkShots(const std::filesystem::path& goldenFolder, bool update, const std::string& actualFolder)
{
    const std::vector<FramePixels> frames = renderGoldenShots(goldenWidth, goldenHeight);
    int failures = 0;
    for (size_t i = 0; i < frames.size(); i++) {
        const std::string file = goldenShots()[i].name + ".png";
        if (update) {
            writePng((goldenFolder / file).string(), frames[i]);
            continue;
        }
        const FrameDifference difference =
            compareFrames(readPng((goldenFolder / file).string()), frames[i], channelTolerance);
        printDifference(goldenShots()[i].name, difference);
        if (!withinTolerance(difference)) {
            failures++;
            if (!actualFolder.empty()) {
                writePng(actualFolder + "/" + file, frames[i]);
            }
        }
    }
    if (update) {
        std::cout << "wrote " << frames.size() << " references to " << goldenFolder.string() << '\n';
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        if (arguments.size() == 3 && arguments[0] == "--compare") {
            return compareTwo(arguments[1], arguments[2]);
        }
        bool update = false;
        std::string actualFolder;
        for (size_t i = 0; i < arguments.size(); i++) {
            if (arguments[i] == "--update") {
                update = true;
            } else if (arguments[i] == "--actual" && i + 1 < arguments.size()) {
                actualFolder = arguments[++i];
            } else {
                std::cerr << usage << std::endl;
                return 2;
            }
        }
        return checkShots(std::filesystem::path(KESTRELWING_ROOT) / "tests" / "golden", update, actualFolder);
    } catch (const std::exception& e) {
        std::cerr << e.what() << std::endl;
        return 1;
    }
}
