#include "scene/UniformRecords.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

template <typename Record> bool allBytesZero(const Record& record)
{
    std::vector<unsigned char> bytes(sizeof(Record));
    std::memcpy(bytes.data(), &record, sizeof(Record));
    for (unsigned char byte : bytes) {
        if (byte != 0) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(UniformRecordsTest, LayoutsMatchTheShaderBlocks)
{
    EXPECT_EQ(sizeof(UniformBufferObject), 208u);
    EXPECT_EQ(offsetof(UniformBufferObject, view), 64u);
    EXPECT_EQ(offsetof(UniformBufferObject, proj), 128u);
    EXPECT_EQ(offsetof(UniformBufferObject, scalar), 192u);

    EXPECT_EQ(sizeof(MaterialBufferObject), 32u);
    EXPECT_EQ(offsetof(MaterialBufferObject, coefficient1), 12u);
    EXPECT_EQ(offsetof(MaterialBufferObject, coefficient2), 16u);
    EXPECT_EQ(offsetof(MaterialBufferObject, coefficient3), 20u);

    EXPECT_EQ(sizeof(LightBufferObject), 48u);
    EXPECT_EQ(offsetof(LightBufferObject, color), 16u);
    EXPECT_EQ(offsetof(LightBufferObject, cameraPosition), 32u);

    EXPECT_EQ(sizeof(CameraBufferObject), 16u);
}

// The records are copied byte for byte into GPU memory: a fresh record,
// padding included, must upload nothing but zeros.
TEST(UniformRecordsTest, FreshRecordsAreAllZeroBytes)
{
    EXPECT_TRUE(allBytesZero(UniformBufferObject{}));
    EXPECT_TRUE(allBytesZero(MaterialBufferObject{}));
    EXPECT_TRUE(allBytesZero(LightBufferObject{}));
    EXPECT_TRUE(allBytesZero(CameraBufferObject{}));
}

TEST(UniformRecordsTest, TrailingBytesStayZeroWhenFieldsAreSet)
{
    UniformBufferObject ubo{};
    ubo.model = glm::mat4(2.0f);
    ubo.scalar = 1.5f;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&ubo);
    for (size_t i = 196; i < sizeof(ubo); i++) {
        EXPECT_EQ(bytes[i], 0) << "byte " << i;
    }

    LightBufferObject light{};
    light.direction = glm::vec3(-1.0f);
    light.color = glm::vec3(1.0f);
    light.cameraPosition = glm::vec3(3.0f);
    const auto* lightBytes = reinterpret_cast<const unsigned char*>(&light);
    for (size_t offset : {12u, 28u, 44u}) {
        for (size_t i = offset; i < offset + 4; i++) {
            EXPECT_EQ(lightBytes[i], 0) << "byte " << i;
        }
    }
}
