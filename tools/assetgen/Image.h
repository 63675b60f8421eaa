#pragma once

#include <glm/glm.hpp>

#include <functional>
#include <string>
#include <vector>

// Display colours in [0, 1] (stored as they are, i.e. sRGB), row 0 at the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<glm::vec3> pixels;

    Image(int width, int height);
    glm::vec3& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A scalar surface height per texel, in texels, so its slope can be read directly.
struct HeightField {
    int width = 0;
    int height = 0;
    std::vector<float> values;

    HeightField(int width, int height);
    float& at(int x, int y) { return values[static_cast<size_t>(y) * width + x]; }
    // Reads with wrap-around, so that derived normals tile like the texture.
    float wrapped(int x, int y) const;
};

// An 8-bit colour as written in a palette, scaled to [0, 1].
inline glm::vec3 rgb(int r, int g, int b)
{
    return glm::vec3(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)) / 255.0f;
}

// Runs `body` for rows 0 … rows − 1, spread over the hardware threads.
void forEachRow(int rows, const std::function<void(int row)>& body);

// Fills every texel from its centre in [0, 1)²; rows are spread over the hardware threads.
void fillImage(Image& image, const std::function<glm::vec3(glm::vec2 uv)>& shade);
void fillHeight(HeightField& field, const std::function<float(glm::vec2 uv)>& shade);

// The surface of a height field for the mesh shaders: the tangent-space normal's x (along the columns) in red and y
// (towards the top of the image) in green, stored as n * 0.5 + 0.5, and the texel's occlusion (0 … 1, one value per
// texel) in blue. The normal points out of the surface, so the shaders rebuild its z from x and y.
Image surfaceMap(const HeightField& field, float strength, const std::vector<float>& occlusion);

// Written by ImageFiles.cpp, which holds the encoders.
void writeJpeg(const std::string& path, const Image& image);
void writePng(const std::string& path, const Image& image);
