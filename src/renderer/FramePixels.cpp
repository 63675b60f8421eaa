#include "renderer/FramePixels.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image.h>
#include <stb_image_write.h>

#include <stdexcept>

void writePng(const std::string& path, const FramePixels& frame)
{
    const int stride = static_cast<int>(frame.width) * 4;
    if (stbi_write_png(path.c_str(), static_cast<int>(frame.width), static_cast<int>(frame.height), 4,
                       frame.rgba.data(), stride) == 0) {
        throw std::runtime_error("failed to write " + path + "!");
    }
}

FramePixels readPng(const std::string& path)
{
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, STBI_rgb_alpha);
    if (pixels == nullptr) {
        throw std::runtime_error("failed to read " + path + "!");
    }
    FramePixels frame{static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                      std::vector<uint8_t>(pixels, pixels + static_cast<size_t>(width) * height * 4)};
    stbi_image_free(pixels);
    return frame;
}
