#include "SceneFixtures.h"

#include "VulkanTestContext.h"

#include <gtest/gtest.h>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <stdexcept>
#include <vector>

const char* const cubeObj = "v -1 -1 -1\nv 1 -1 -1\nv 1 1 -1\nv -1 1 -1\n"
                            "v -1 -1 1\nv 1 -1 1\nv 1 1 1\nv -1 1 1\n"
                            "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
                            "vn 0 0 -1\nvn 0 0 1\nvn -1 0 0\nvn 1 0 0\nvn 0 -1 0\nvn 0 1 0\n"
                            "f 1/1/1 4/4/1 3/3/1 2/2/1\n"
                            "f 5/1/2 6/2/2 7/3/2 8/4/2\n"
                            "f 1/1/3 5/2/3 8/3/3 4/4/3\n"
                            "f 2/1/4 3/4/4 7/3/4 6/2/4\n"
                            "f 1/1/5 2/2/5 6/3/5 5/4/5\n"
                            "f 4/1/6 8/4/6 7/3/6 3/2/6\n";

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

std::string shaderPath(const std::string& name)
{
    return projectRoot() + "/assets/shaders/" + name;
}

void expectPointNear(const glm::vec3& actual, const glm::vec3& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}
