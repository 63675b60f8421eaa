#include "Occlusion.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

HeightField field(const std::function<float(int x, int y)>& height)
{
    HeightField values(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            values.at(x, y) = height(x, y);
        }
    }
    return values;
}

float at(const std::vector<float>& occlusion, int x, int y)
{
    return occlusion[static_cast<size_t>(y) * 64 + x];
}

} // namespace

TEST(HeightOcclusion, FlatGroundSeesTheWholeSky)
{
    for (const float value : heightOcclusion(field([](int, int) { return 3.0f; }), 1.0f)) {
        EXPECT_FLOAT_EQ(value, 1.0f);
    }
}

TEST(HeightOcclusion, APitIsDarkInsideAndAPeakOpenOnTop)
{
    const auto pit = heightOcclusion(
        field([](int x, int y) { return std::max(std::abs(x - 32), std::abs(y - 32)) < 3 ? -20.0f : 0.0f; }), 1.0f);
    EXPECT_LT(at(pit, 32, 32), 0.6f);
    EXPECT_FLOAT_EQ(at(pit, 10, 10), 1.0f);
    const auto peak = heightOcclusion(field([](int x, int y) { return x == 32 && y == 32 ? 20.0f : 0.0f; }), 1.0f);
    EXPECT_FLOAT_EQ(at(peak, 32, 32), 1.0f);
    EXPECT_LT(at(peak, 33, 32), 1.0f) << "beside the peak part of the sky is hidden";
}

TEST(HeightOcclusion, StaysWithinZeroAndOneOnWildFields)
{
    const auto wild = field([](int x, int y) { return ((x * 7919 + y * 104729) % 97) * 50.0f - 2000.0f; });
    for (const float strength : {0.01f, 1.0f, 1000.0f}) {
        for (const float value : heightOcclusion(wild, strength)) {
            EXPECT_GE(value, 0.0f);
            EXPECT_LE(value, 1.0f);
        }
    }
}

TEST(SurfaceMap, CarriesTheNormalInRedAndGreenAndTheOcclusionInBlue)
{
    const HeightField slope = field([](int x, int) { return static_cast<float>(x % 64); });
    std::vector<float> occlusion(64 * 64, 0.25f);
    const Image map = surfaceMap(slope, 1.0f, occlusion);
    const glm::vec3 texel = map.pixels[static_cast<size_t>(10) * 64 + 10];
    EXPECT_NEAR(texel.r, 0.5f - 0.5f / std::sqrt(2.0f), 1e-4f) << "rising to the right leans the normal left";
    EXPECT_NEAR(texel.g, 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(texel.b, 0.25f);
}
