#pragma once

#include "renderer/FramePixels.h"

#include <filesystem>

// Writes `frame` as a PNG into `folder` (made if missing), named from the
// timeline second and the first counter no file there has yet, so nothing is
// overwritten: "kestrelwing-t041.25-001.png". Returns the file's path; throws
// std::runtime_error when the folder or the file cannot be written.
std::filesystem::path saveScreenshot(const std::filesystem::path& folder, float t, const FramePixels& frame);
