#include "video/VideoOutputCheck.h"

#include "video/VideoFormat.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

const char* const encoderProgram = "ffmpeg";

bool isExecutableFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

} // namespace

void checkVideoPath(const std::string& path)
{
    const std::string option = "--record '" + path + "'";
    if (!videoFormatOf(path)) {
        throw RecordingRefused(option + ": the file must end in .mp4 (H.264) or .webm (VP9)");
    }
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::filesystem::path folder = parent.empty() ? std::filesystem::path(".") : parent;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        throw RecordingRefused(option + ": the folder '" + folder.string() + "' does not exist");
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        throw RecordingRefused(option + ": the folder '" + folder.string() + "' is not writable");
    }
    if (std::filesystem::is_directory(path, error)) {
        throw RecordingRefused(option + ": that is a folder, not a file");
    }
}

void checkVideoSize(uint32_t width, uint32_t height)
{
    if (width % 2 != 0 || height % 2 != 0) {
        throw RecordingRefused("--size " + std::to_string(width) + "x" + std::to_string(height) +
                               ": a video needs an even width and height");
    }
}

std::string encoderProgramPath()
{
    const char* pathVariable = std::getenv("PATH");
    std::stringstream folders(pathVariable != nullptr ? pathVariable : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(folder.empty() ? "." : folder) / encoderProgram;
        if (isExecutableFile(candidate)) {
            return candidate.string();
        }
    }
    return {};
}

void checkEncoderInstalled()
{
    if (encoderProgramPath().empty()) {
        throw RecordingRefused(
            "--record needs the ffmpeg program, which is not installed; install it with: sudo apt-get install ffmpeg");
    }
}
