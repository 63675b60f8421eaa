#include "app/Screenshots.h"

#include <cstdio>
#include <stdexcept>
#include <system_error>

namespace {

std::string screenshotName(float t, int counter)
{
    char name[64];
    std::snprintf(name, sizeof(name), "kestrelwing-t%06.2f-%03d.png", static_cast<double>(t), counter);
    return name;
}

} // namespace

std::filesystem::path saveScreenshot(const std::filesystem::path& folder, float t, const FramePixels& frame)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw std::runtime_error("cannot make " + folder.string() + ": " + error.message());
    }
    std::filesystem::path file;
    for (int counter = 1;; counter++) {
        file = folder / screenshotName(t, counter);
        if (!std::filesystem::exists(file)) {
            break;
        }
    }
    writePng(file.string(), frame);
    return file;
}
