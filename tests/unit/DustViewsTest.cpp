#include "objects/DustViews.h"
#include "objects/ParticleSystem.h"
#include "pipelines/ComputePipeline.h"
#include "renderer/RenderPasses.h"
#include "scene/Particle.h"

#include "GpuTest.h"
#include "ProjectFiles.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cstring>
#include <vector>

namespace {

template <typename T> std::vector<T> valuesOf(const std::vector<char>& bytes)
{
    std::vector<T> values(bytes.size() / sizeof(T));
    std::memcpy(values.data(), bytes.data(), values.size() * sizeof(T));
    return values;
}

// A particle at its life's middle (fully faded in) at the given place, or one of the given age.
Particle particleAt(const glm::vec3& position, float age = 2.0f)
{
    Particle particle;
    particle.position = position;
    particle.age = age;
    particle.lifetime = 4.0f;
    particle.randomVector = glm::vec3(0.5f);
    return particle;
}

} // namespace

// The eye at the origin looks down -z with a 90-degree view: at depth 10 a sprite's centre leaves
// the view at x = 10, and its square (half-size 0.72 at most) 0.72 further.
TEST_F(GpuTest, AViewListsInOrderOnlyTheParticlesWhoseSpritesMayShowInIt)
{
    ParticleSystem system(bufferUtils(), 2048, 7u);
    const std::vector<uint32_t> carriers = valuesOf<uint32_t>(
        context().readBuffer(system.getCarrierIndexBuffer(), sizeof(uint32_t) * system.getCarrierCount()));
    // Seen ahead, behind (shown only to the turned view), unborn, beside, at the edge within and
    // beyond a sprite's reach, just born and about to die (both faded out).
    const std::vector<Particle> states = {
        particleAt({0.0f, 0.0f, -10.0f}),        particleAt({0.0f, 0.0f, 10.0f}),
        particleAt({0.0f, 0.0f, -10.0f}, -1.0f), particleAt({30.0f, 0.0f, -10.0f}),
        particleAt({10.6f, 0.0f, -10.0f}),       particleAt({10.8f, 0.0f, -10.0f}),
        particleAt({0.0f, 0.0f, -10.0f}, 0.01f), particleAt({0.0f, 0.0f, -10.0f}, 3.99f)};
    std::vector<Particle> particles(2048, particleAt({0.0f, 0.0f, 10.0f}));
    std::vector<uint32_t> ahead;
    std::vector<uint32_t> behind;
    for (size_t i = 0; i < carriers.size(); i++) {
        const size_t state = i % states.size();
        particles[carriers[i]] = states[state];
        if (state == 0 || state == 4) {
            ahead.push_back(carriers[i]);
        }
        if (state == 1) {
            behind.push_back(carriers[i]);
        }
    }
    VkBuffer upload;
    VkDeviceMemory uploadMemory;
    bufferUtils().createDeviceLocalBuffer(particles.data(), sizeof(Particle) * particles.size(),
                                          VK_BUFFER_USAGE_TRANSFER_SRC_BIT, upload, uploadMemory);
    bufferUtils().copyBuffer(upload, system.getStorageBuffers()[1], sizeof(Particle) * particles.size());

    VkRenderPass renderPass = createGBufferRenderPass(device(), bufferUtils().findDepthFormat());
    ComputePipeline pipeline(shaderPath("dust_views_comp.spv"), bufferUtils(), renderPass, DustViews::listBindings());
    DustViews views(bufferUtils(), &pipeline, system);
    const glm::mat4 proj = glm::perspective(glm::radians(90.0f), 1.0f, 0.1f, 100.0f);
    const glm::mat4 turned = glm::rotate(glm::mat4(1.0f), glm::pi<float>(), glm::vec3(0.0f, 1.0f, 0.0f));
    VkCommandBuffer commandBuffer = bufferUtils().beginSingleTimeCommands();
    views.record(commandBuffer, 1, {{glm::mat4(1.0f), proj}, {turned, proj}});
    bufferUtils().endSingleTimeCommands(commandBuffer);

    const std::vector<VkDrawIndexedIndirectCommand> draws = valuesOf<VkDrawIndexedIndirectCommand>(
        context().readBuffer(views.getDrawBuffer(1), 2 * sizeof(VkDrawIndexedIndirectCommand)));
    const uint32_t carrierCount = system.getCarrierCount();
    ASSERT_EQ(draws[0].indexCount, ahead.size());
    ASSERT_EQ(draws[1].indexCount, behind.size());
    EXPECT_EQ(draws[0].firstIndex, 0u);
    EXPECT_EQ(draws[1].firstIndex, carrierCount);
    EXPECT_EQ(draws[1].instanceCount, 1u);
    const std::vector<uint32_t> lists =
        valuesOf<uint32_t>(context().readBuffer(views.getListBuffer(1), sizeof(uint32_t) * carrierCount * 2));
    EXPECT_EQ(std::vector<uint32_t>(lists.begin(), lists.begin() + ahead.size()), ahead);
    EXPECT_EQ(std::vector<uint32_t>(lists.begin() + carrierCount, lists.begin() + carrierCount + behind.size()),
              behind);

    views.cleanup();
    pipeline.cleanup();
    vkDestroyRenderPass(device(), renderPass, nullptr);
    vkDestroyBuffer(device(), upload, nullptr);
    vkFreeMemory(device(), uploadMemory, nullptr);
    system.cleanup();
}
