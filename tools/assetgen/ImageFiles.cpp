#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "Image.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace {

std::vector<uint8_t> toBytes(const Image& image)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(image.pixels.size() * 3);
    for (const glm::vec3& pixel : image.pixels) {
        for (int channel = 0; channel < 3; ++channel) {
            bytes.push_back(static_cast<uint8_t>(std::clamp(pixel[channel], 0.0f, 1.0f) * 255.0f + 0.5f));
        }
    }
    return bytes;
}

} // namespace

void writeJpeg(const std::string& path, const Image& image)
{
    const std::vector<uint8_t> bytes = toBytes(image);
    if (stbi_write_jpg(path.c_str(), image.width, image.height, 3, bytes.data(), 92) == 0) {
        throw std::runtime_error("cannot write " + path);
    }
}

void writePng(const std::string& path, const Image& image)
{
    const std::vector<uint8_t> bytes = toBytes(image);
    if (stbi_write_png(path.c_str(), image.width, image.height, 3, bytes.data(), image.width * 3) == 0) {
        throw std::runtime_error("cannot write " + path);
    }
}
