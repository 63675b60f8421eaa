#include "app/ProjectRoot.h"

#include <optional>
#include <stdexcept>
#include <system_error>

namespace {

std::optional<std::filesystem::path> nearestWithAssets(std::filesystem::path workingDir)
{
    while (!workingDir.empty() && workingDir.parent_path() != workingDir) {
        if (std::filesystem::exists(workingDir / "assets")) {
            return workingDir;
        }
        workingDir = workingDir.parent_path();
    }
    return std::nullopt;
}

} // namespace

std::filesystem::path findProjectRoot(std::filesystem::path start, std::filesystem::path executableFolder)
{
    for (const std::filesystem::path& from : {start, executableFolder}) {
        if (const auto root = nearestWithAssets(from)) {
            return *root;
        }
    }
    throw std::runtime_error("Project root not found. Assets folder missing.");
}

std::filesystem::path executableFolder()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}
