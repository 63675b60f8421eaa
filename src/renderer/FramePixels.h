#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One frame as it would reach the screen: 8-bit RGBA rows from the top, in the
// encoding of the presentation format (sRGB).
struct FramePixels {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba;
};

// Throws std::runtime_error naming the file when it cannot be written or read.
void writePng(const std::string& path, const FramePixels& frame);
FramePixels readPng(const std::string& path);
