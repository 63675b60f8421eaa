#include "Image.h"

#include <algorithm>
#include <cstdint>
#include <thread>

void forEachRow(int rows, const std::function<void(int row)>& body)
{
    const unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < threadCount; ++t) {
        threads.emplace_back([&, t] {
            for (int row = static_cast<int>(t); row < rows; row += static_cast<int>(threadCount)) {
                body(row);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}

namespace {

glm::vec2 texelCentre(int x, int y, int width, int height)
{
    return glm::vec2((static_cast<float>(x) + 0.5f) / width, (static_cast<float>(y) + 0.5f) / height);
}

} // namespace

Image::Image(int width, int height)
    : width(width), height(height), pixels(static_cast<size_t>(width) * height, glm::vec3(0.0f))
{
}

HeightField::HeightField(int width, int height)
    : width(width), height(height), values(static_cast<size_t>(width) * height, 0.0f)
{
}

float HeightField::wrapped(int x, int y) const
{
    x = ((x % width) + width) % width;
    y = ((y % height) + height) % height;
    return values[static_cast<size_t>(y) * width + x];
}

void fillImage(Image& image, const std::function<glm::vec3(glm::vec2 uv)>& shade)
{
    forEachRow(image.height, [&](int y) {
        for (int x = 0; x < image.width; ++x) {
            image.at(x, y) = shade(texelCentre(x, y, image.width, image.height));
        }
    });
}

void fillHeight(HeightField& field, const std::function<float(glm::vec2 uv)>& shade)
{
    forEachRow(field.height, [&](int y) {
        for (int x = 0; x < field.width; ++x) {
            field.at(x, y) = shade(texelCentre(x, y, field.width, field.height));
        }
    });
}

Image surfaceMap(const HeightField& field, float strength, const std::vector<float>& occlusion)
{
    Image image(field.width, field.height);
    for (int y = 0; y < field.height; ++y) {
        for (int x = 0; x < field.width; ++x) {
            const float slopeX = 0.5f * (field.wrapped(x + 1, y) - field.wrapped(x - 1, y));
            const float slopeY = 0.5f * (field.wrapped(x, y + 1) - field.wrapped(x, y - 1));
            // Rows run down the image and green points up it: a height rising
            // down the rows tilts the normal towards the top.
            const glm::vec3 normal = glm::normalize(glm::vec3(-strength * slopeX, strength * slopeY, 1.0f));
            const float open = occlusion[static_cast<size_t>(y) * field.width + x];
            image.at(x, y) = glm::vec3(glm::vec2(normal) * 0.5f + 0.5f, open);
        }
    }
    return image;
}
