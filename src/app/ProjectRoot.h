#pragma once

#include <filesystem>

// The nearest directory at or above `start` that holds an `assets` entry;
// failing that, the nearest at or above `executableFolder` (when given), so
// that a program started from anywhere finds the files it was built with.
std::filesystem::path findProjectRoot(std::filesystem::path start, std::filesystem::path executableFolder = {});

// The folder of the running program's own executable; empty if unknown.
std::filesystem::path executableFolder();
