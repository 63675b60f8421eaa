#include "AssetFiles.h"
#include "scene/Light.h"
#include "textures/DecodedImage.h"

#include "ProjectFiles.h"

#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string texturePath(const std::string& name)
{
    return projectRoot() + "/assets/textures/" + name;
}

glm::vec3 texel(const DecodedImage& image, int x, int y)
{
    const unsigned char* p = image.pixels.get() + (static_cast<size_t>(y) * image.width + x) * 4;
    return glm::vec3(p[0], p[1], p[2]);
}

float difference(glm::vec3 a, glm::vec3 b)
{
    const glm::vec3 d = glm::abs(a - b);
    return (d.x + d.y + d.z) / 3.0f;
}

// Mean difference between column a and column b (or rows, when `rows` is set).
float lineDifference(const DecodedImage& image, int a, int b, bool rows)
{
    const int length = rows ? image.width : image.height;
    float sum = 0.0f;
    for (int i = 0; i < length; ++i) {
        sum += rows ? difference(texel(image, i, a), texel(image, i, b))
                    : difference(texel(image, a, i), texel(image, b, i));
    }
    return sum / length;
}

glm::vec3 meanColor(const DecodedImage& image)
{
    glm::dvec3 sum(0.0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            sum += glm::dvec3(texel(image, x, y));
        }
    }
    return glm::vec3(sum / static_cast<double>(image.width * image.height));
}

DecodedImage skyFace(size_t face)
{
    const std::string directory = projectRoot() + "/assets/" + assetFiles::skyboxTexture;
    return decodeImage(directory + "/" + assetFiles::cubeFaceFiles[face]);
}

std::array<DecodedImage, 6> loadSky()
{
    return {skyFace(0), skyFace(1), skyFace(2), skyFace(3), skyFace(4), skyFace(5)};
}

// The direction through face coordinates s, t in [-1, 1] (Vulkan's cube-map face selection, inverted).
glm::vec3 faceDirection(int face, float s, float t)
{
    switch (face) {
    case 0:
        return {1.0f, -t, -s};
    case 1:
        return {-1.0f, -t, s};
    case 2:
        return {s, 1.0f, t};
    case 3:
        return {s, -1.0f, -t};
    case 4:
        return {s, -t, 1.0f};
    default:
        return {-s, -t, -1.0f};
    }
}

// Vulkan's face selection: the major axis picks the face, the other two give s and t.
struct FaceTexel {
    int face;
    glm::vec2 st;
};

FaceTexel selectFace(glm::vec3 d)
{
    const glm::vec3 a = glm::abs(d);
    if (a.x >= a.y && a.x >= a.z) {
        return d.x > 0 ? FaceTexel{0, glm::vec2(-d.z, -d.y) / a.x} : FaceTexel{1, glm::vec2(d.z, -d.y) / a.x};
    }
    if (a.y >= a.z) {
        return d.y > 0 ? FaceTexel{2, glm::vec2(d.x, d.z) / a.y} : FaceTexel{3, glm::vec2(d.x, -d.z) / a.y};
    }
    return d.z > 0 ? FaceTexel{4, glm::vec2(d.x, -d.y) / a.z} : FaceTexel{5, glm::vec2(-d.x, -d.y) / a.z};
}

int toTexel(float coordinate, int size)
{
    return std::clamp(static_cast<int>((coordinate + 1.0f) * 0.5f * size), 0, size - 1);
}

} // namespace

TEST(AssetImages, EveryTextureDecodesAtItsSize)
{
    // The mesa's and the arch's textures run round and along their rocks: twice as wide as tall.
    const std::vector<std::pair<std::string, glm::ivec2>> textures = {
        {"spaceship.jpg", {1024, 1024}}, {"ground.jpg", {1024, 1024}},   {"rock.jpg", {1024, 1024}},
        {"redRock.jpg", {2048, 1024}},   {"redRock2.jpg", {2048, 1024}}, {"cactus.png", {512, 512}},
        {"sea/posx.jpg", {512, 512}},
    };
    for (const auto& [name, size] : textures) {
        const DecodedImage color = decodeImage(texturePath(name));
        ASSERT_NE(color.pixels, nullptr) << name;
        EXPECT_EQ(color.width, size.x) << name;
        EXPECT_EQ(color.height, size.y) << name;
        if (name.rfind("sea/", 0) == 0) {
            continue;
        }
        const std::string normalName = name.substr(0, name.find('.')) + "_normal.jpg";
        const DecodedImage normal = decodeImage(texturePath(normalName));
        ASSERT_NE(normal.pixels, nullptr) << normalName;
        EXPECT_EQ(normal.width, size.x) << normalName;
        EXPECT_EQ(normal.height, size.y) << normalName;
    }
}

// Red and green lean as much one way as the other; blue is the baked occlusion: most of each
// surface sees most of the sky, and the rocks have creases that see much less of it.
TEST(AssetImages, NormalMapsLeanWithoutABiasAndCarryAnOcclusionThatDarkensOnlyTheCreases)
{
    for (const std::string name : {"spaceship", "ground", "rock", "redRock", "redRock2", "cactus"}) {
        const DecodedImage normal = decodeImage(texturePath(name + "_normal.jpg"));
        const glm::vec3 mean = meanColor(normal);
        EXPECT_GT(mean.z, 0.75f * 255.0f) << name;
        EXPECT_NEAR(mean.x, 127.5f, 12.0f) << name;
        EXPECT_NEAR(mean.y, 127.5f, 12.0f) << name;
        if (name.find("ock") != std::string::npos) {
            float darkest = 255.0f;
            for (int y = 0; y < normal.height; ++y) {
                for (int x = 0; x < normal.width; ++x) {
                    darkest = std::min(darkest, texel(normal, x, y).z);
                }
            }
            EXPECT_LT(darkest, 0.6f * 255.0f) << name;
        }
    }
}

namespace {

// Correlation between the normal map's lean along one axis and the slope of
// the colour texture's brightness along that axis.
double slopeCorrelation(const DecodedImage& color, const DecodedImage& normal, bool alongRows)
{
    double sumXY = 0.0, sumXX = 0.0, sumYY = 0.0;
    for (int y = 1; y + 1 < color.height; ++y) {
        for (int x = 1; x + 1 < color.width; ++x) {
            const auto brightness = [&](int px, int py) {
                const glm::vec3 c = texel(color, px, py);
                return static_cast<double>(c.r + c.g + c.b);
            };
            const double slope =
                alongRows ? brightness(x, y + 1) - brightness(x, y - 1) : brightness(x + 1, y) - brightness(x - 1, y);
            const double lean = (alongRows ? texel(normal, x, y).g : texel(normal, x, y).r) - 127.5;
            sumXY += slope * lean;
            sumXX += slope * slope;
            sumYY += lean * lean;
        }
    }
    return sumXY / std::sqrt(sumXX * sumYY);
}

} // namespace

// Red leans along +u (to the right of the image) and green towards the top of
// the image, as the mesh shaders read them. Each texture's colour follows its
// height field, so its brightness slopes with the bumps: a normal leans away
// from rising ground, so the red channel falls where brightness rises to the
// right, and the green channel, pointing up while rows count down, rises where
// brightness rises down the rows -- or both the other way round, where a
// texture is darker on its heights. Either way the two correlations have
// opposite signs; a green channel pointing down the image gives them one sign.
TEST(AssetImages, NormalMapsLeanAsTheShadersReadThem)
{
    int decisiveTextures = 0;
    for (const std::string name : {"ground", "rock", "redRock", "redRock2", "cactus", "spaceship"}) {
        const std::string colorName = name == "cactus" ? "cactus.png" : name + ".jpg";
        const DecodedImage color = decodeImage(texturePath(colorName));
        const DecodedImage normal = decodeImage(texturePath(name + "_normal.jpg"));
        const double acrossColumns = slopeCorrelation(color, normal, false);
        const double alongRows = slopeCorrelation(color, normal, true);
        const bool decisive = std::abs(acrossColumns) > 0.15 && std::abs(alongRows) > 0.15;
        decisiveTextures += decisive ? 1 : 0;
        if (decisive) {
            EXPECT_LT(acrossColumns * alongRows, 0.0) << name << ": " << acrossColumns << ", " << alongRows;
        }
    }
    // The ground's ripples run along the columns, so its brightness barely
    // changes across them; the other five decide.
    EXPECT_GE(decisiveTextures, 5);
}

TEST(AssetImages, TilingTexturesWrapWithoutASeam)
{
    // The mesa's texture repeats round the mesa (across its columns) but its rows are heights; the
    // arch's goes once round the arch (down its rows) and once along it.
    const std::vector<std::pair<std::string, std::vector<bool>>> textures = {
        {"ground.jpg", {false, true}}, {"ground_normal.jpg", {false, true}},
        {"rock.jpg", {false, true}},   {"rock_normal.jpg", {false, true}},
        {"redRock.jpg", {false}},      {"redRock_normal.jpg", {false}},
        {"redRock2.jpg", {true}},      {"redRock2_normal.jpg", {true}},
        {"cactus.png", {false, true}}, {"cactus_normal.jpg", {false, true}}};
    for (const auto& [name, directions] : textures) {
        const DecodedImage image = decodeImage(texturePath(name));
        ASSERT_NE(image.pixels, nullptr) << name;
        for (const bool rows : directions) {
            const int last = (rows ? image.height : image.width) - 1;
            const float inside = lineDifference(image, 0, 1, rows);
            EXPECT_LE(lineDifference(image, last, 0, rows), 2.0f * inside + 3.0f)
                << name << (rows ? " rows" : " columns");
        }
    }
}

TEST(AssetImages, SkyFacesMeetWithoutSeams)
{
    const std::array<DecodedImage, 6> faces = loadSky();
    const int size = faces[0].width;
    for (int face = 0; face < 6; ++face) {
        ASSERT_NE(faces[face].pixels, nullptr) << assetFiles::cubeFaceFiles[face];
        ASSERT_EQ(faces[face].width, size);
        float sum = 0.0f;
        int count = 0;
        for (int i = 0; i < size; ++i) {
            const float along = (i + 0.5f) * 2.0f / size - 1.0f;
            const float edge = 1.0f - 1.0f / size;
            const std::array<glm::vec2, 4> edgeTexels = {glm::vec2(-edge, along), glm::vec2(edge, along),
                                                         glm::vec2(along, -edge), glm::vec2(along, edge)};
            for (const glm::vec2 st : edgeTexels) {
                // One texel beyond the edge lies on the neighbouring face.
                const FaceTexel across =
                    selectFace(faceDirection(face, st.x * (1.0f + 2.0f / size), st.y * (1.0f + 2.0f / size)));
                EXPECT_NE(across.face, face);
                const glm::vec3 here = texel(faces[face], toTexel(st.x, size), toTexel(st.y, size));
                const glm::vec3 there =
                    texel(faces[across.face], toTexel(across.st.x, size), toTexel(across.st.y, size));
                sum += difference(here, there);
                ++count;
            }
        }
        EXPECT_LT(sum / count, 4.0f) << assetFiles::cubeFaceFiles[face];
    }
}

TEST(AssetImages, SunShinesFromTheLightDirectionAndTheZenithIsUpAtMinusY)
{
    const std::array<DecodedImage, 6> faces = loadSky();
    const int size = faces[0].width;
    float brightest = -1.0f;
    glm::vec3 sun(0.0f);
    for (int face = 0; face < 6; ++face) {
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const glm::vec3 c = texel(faces[face], x, y);
                if (c.x + c.y + c.z > brightest) {
                    brightest = c.x + c.y + c.z;
                    sun = faceDirection(face, (x + 0.5f) * 2.0f / size - 1.0f, (y + 0.5f) * 2.0f / size - 1.0f);
                }
            }
        }
    }
    const float angle = glm::degrees(std::acos(glm::dot(glm::normalize(sun), glm::normalize(Light{}.direction))));
    EXPECT_LT(angle, 3.0f);
    const glm::vec3 zenith = meanColor(faces[3]);
    const glm::vec3 nadir = meanColor(faces[2]);
    EXPECT_GT(zenith.z, zenith.x + 40.0f) << "the -y face looks up into the blue sky";
    EXPECT_GT(nadir.x, nadir.z + 20.0f) << "the +y face looks down into the sandy haze";
}
