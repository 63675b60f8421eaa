#pragma once

#include <memory>
#include <string>

// An image file decoded to 8-bit RGBA. The pixels are released with the
// decoder's own allocator when the record goes away, on error paths too.
struct DecodedImage {
    std::unique_ptr<unsigned char, void (*)(void*)> pixels;
    int width = 0;
    int height = 0;
    int channels = 0; // as stored in the file; the pixels always have four
};

// pixels is null when the file cannot be read or decoded.
DecodedImage decodeImage(const std::string& path);
