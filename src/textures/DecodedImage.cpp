#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include "textures/DecodedImage.h"

#include "timing/StartupTally.h"

DecodedImage decodeImage(const std::string& path)
{
    StartupTimer timer(StartupCost::Decoding);
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, STBI_rgb_alpha);
    return {std::unique_ptr<unsigned char, void (*)(void*)>(pixels, stbi_image_free), width, height, channels};
}
