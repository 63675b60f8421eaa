#pragma once

#include <filesystem>

// The nearest directory at or above `start` that holds an `assets` entry.
std::filesystem::path findProjectRoot(std::filesystem::path start);
