#include "FixtureImages.h"

#include <stb_image_write.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<unsigned char> patternPixels(int width, int height, int channels)
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width * height * channels));
    for (size_t i = 0; i < pixels.size(); i++) {
        pixels[i] = static_cast<unsigned char>(i * 37 + 11);
    }
    return pixels;
}

} // namespace

std::string writeImage(const TempDir& dir, const std::string& name, glm::u8vec3 color, int size)
{
    std::vector<unsigned char> pixels;
    for (int i = 0; i < size * size; i++) {
        pixels.insert(pixels.end(), {color.r, color.g, color.b});
    }
    const std::string path = (dir.path() / name).string();
    const bool jpeg = name.size() > 4 && name.substr(name.size() - 4) == ".jpg";
    const int written = jpeg ? stbi_write_jpg(path.c_str(), size, size, 3, pixels.data(), 95)
                             : stbi_write_png(path.c_str(), size, size, 3, pixels.data(), size * 3);
    if (written == 0) {
        throw std::runtime_error("cannot write test image " + path);
    }
    return path;
}

void writePatternPng(const std::string& path, int width, int height, int channels)
{
    const std::vector<unsigned char> pixels = patternPixels(width, height, channels);
    if (!stbi_write_png(path.c_str(), width, height, channels, pixels.data(), width * channels)) {
        throw std::runtime_error("cannot write fixture " + path);
    }
}

void writePatternJpg(const std::string& path, int width, int height)
{
    const std::vector<unsigned char> pixels = patternPixels(width, height, 3);
    if (!stbi_write_jpg(path.c_str(), width, height, 3, pixels.data(), 90)) {
        throw std::runtime_error("cannot write fixture " + path);
    }
}
