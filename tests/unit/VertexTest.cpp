#include "scene/Particle.h"
#include "scene/Vertex.h"

#include <gtest/gtest.h>

#include <unordered_set>

TEST(VertexTest, BindingAndAttributesMatchTheRecordLayout)
{
    const VkVertexInputBindingDescription binding = Vertex::getBindingDescription();
    EXPECT_EQ(binding.binding, 0u);
    EXPECT_EQ(binding.stride, 56u);
    EXPECT_EQ(binding.inputRate, VK_VERTEX_INPUT_RATE_VERTEX);

    const auto all = Vertex::getAttributeDescriptions();
    const uint32_t offsets[] = {0, 12, 24, 32, 44};
    for (uint32_t i = 0; i < all.size(); i++) {
        EXPECT_EQ(all[i].binding, 0u);
        EXPECT_EQ(all[i].location, i);
        EXPECT_EQ(all[i].offset, offsets[i]);
        EXPECT_EQ(all[i].format, i == 2 ? VK_FORMAT_R32G32_SFLOAT : VK_FORMAT_R32G32B32_SFLOAT);
    }

    const auto positionNormal = Vertex::getPositionNormalAttributeDescriptions();
    EXPECT_EQ(positionNormal[1].location, 1u);
    EXPECT_EQ(positionNormal[1].offset, 12u);
    EXPECT_EQ(positionNormal[1].format, VK_FORMAT_R32G32B32_SFLOAT);

    const auto texCoord = Vertex::getTexCoordAttributeDescriptions();
    EXPECT_EQ(texCoord[0].location, 1u);
    EXPECT_EQ(texCoord[0].offset, 24u);
    EXPECT_EQ(texCoord[0].format, VK_FORMAT_R32G32_SFLOAT);
}

TEST(VertexTest, TangentFrameTakesNoPartInIdentity)
{
    Vertex a{};
    a.pos = {1.0f, 2.0f, 3.0f};
    a.normal = {0.0f, 1.0f, 0.0f};
    a.texCoord = {0.25f, 0.75f};
    Vertex b = a;
    b.tangent = {1.0f, 0.0f, 0.0f};
    b.bitangent = {0.0f, 0.0f, 1.0f};
    EXPECT_TRUE(a == b);
    EXPECT_EQ(std::hash<Vertex>()(a), std::hash<Vertex>()(b));

    Vertex c = a;
    c.texCoord.y = 0.5f;
    EXPECT_FALSE(a == c);
    Vertex d = a;
    d.normal = {0.0f, -1.0f, 0.0f};
    EXPECT_FALSE(a == d);
}

TEST(VertexTest, HashCombinesTheThreeVectorHashes)
{
    Vertex v{};
    v.pos = {1.0f, -2.0f, 3.5f};
    v.normal = {0.0f, 0.0f, 1.0f};
    v.texCoord = {0.5f, 0.125f};
    const size_t expected = ((std::hash<glm::vec3>()(v.pos) ^ (std::hash<glm::vec3>()(v.normal) << 1)) >> 1) ^
                            (std::hash<glm::vec2>()(v.texCoord) << 1);
    EXPECT_EQ(std::hash<Vertex>()(v), expected);

    // Distinct corners of a small grid should rarely collide.
    std::unordered_set<size_t> hashes;
    for (int i = 0; i < 10; i++) {
        for (int j = 0; j < 10; j++) {
            Vertex corner{};
            corner.pos = {static_cast<float>(i), static_cast<float>(j), 0.0f};
            corner.texCoord = {i / 10.0f, j / 10.0f};
            hashes.insert(std::hash<Vertex>()(corner));
        }
    }
    EXPECT_GT(hashes.size(), 90u);
}

TEST(ParticleTest, BindingAndAttributesMatchTheStorageLayout)
{
    const VkVertexInputBindingDescription binding = Particle::getBindingDescription();
    EXPECT_EQ(binding.stride, 96u);
    EXPECT_EQ(binding.inputRate, VK_VERTEX_INPUT_RATE_VERTEX);

    const auto attributes = Particle::getAttributeDescriptions();
    const uint32_t offsets[] = {0, 32, 48, 52, 64, 56};
    const VkFormat formats[] = {VK_FORMAT_R32G32B32_SFLOAT, VK_FORMAT_R32G32B32A32_SFLOAT, VK_FORMAT_R32_SFLOAT,
                                VK_FORMAT_R32_SFLOAT,       VK_FORMAT_R32G32B32_SFLOAT,    VK_FORMAT_R32_SFLOAT};
    for (uint32_t i = 0; i < attributes.size(); i++) {
        EXPECT_EQ(attributes[i].binding, 0u);
        EXPECT_EQ(attributes[i].location, i);
        EXPECT_EQ(attributes[i].offset, offsets[i]);
        EXPECT_EQ(attributes[i].format, formats[i]);
    }
}

TEST(ParticleTest, UnlistedBytesAreZero)
{
    Particle particle;
    particle.position = {1.0f, 2.0f, 3.0f};
    particle.velocity = {4.0f, 5.0f, 6.0f};
    particle.randomVector = {7.0f, 8.0f, 9.0f};
    particle.startPosition = {1.0f, 1.0f, 1.0f};
    const auto* words = reinterpret_cast<const float*>(&particle);
    for (int padding : {3, 7, 15, 19, 23}) {
        EXPECT_EQ(words[padding], 0.0f) << "float " << padding;
    }
}
