#pragma once

#include "AssetFiles.h"

#include <string>

// The program runs from the project root (findProjectRoot), so it reads a file
// of the asset list (AssetFiles.h) at ./assets/<file>, and names it so in its
// messages.
inline std::string assetPath(const char* file)
{
    return std::string("./assets/") + file;
}
