#include "app/ProjectRoot.h"

#include <stdexcept>

std::filesystem::path findProjectRoot(std::filesystem::path start)
{
    std::filesystem::path workingDir = std::move(start);
    while (true) {
        if (workingDir.empty() || workingDir.parent_path() == workingDir) {
            throw std::runtime_error("Project root not found. Assets folder missing.");
        }
        if (std::filesystem::exists(workingDir / "assets")) {
            return workingDir;
        }
        workingDir = workingDir.parent_path();
    }
}
