#include "scene/DustCarriers.h"
#include "scene/Particle.h"
#include "objects/ParticleObject.h"
#include "objects/PlumeBounds.h"
#include "objects/ParticleSystem.h"
#include "scene/UniformRecords.h"

#include "FixtureMeshes.h"
#include "GpuTest.h"
#include "ProjectFiles.h"

#include "scene/Camera.h"
#include "pipelines/ComputePipeline.h"
#include "pipelines/ParticleDrawPipeline.h"
#include "renderer/RenderPasses.h"
#include "renderer/WorkGroups.h"

#include <glm/gtc/constants.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <memory>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

constexpr int particleCount = 1024;

const std::array<glm::vec4, 5> palette = {
    glm::vec4(100 / 255.0f, 65 / 255.0f, 23 / 255.0f, 1.0f), glm::vec4(244 / 255.0f, 164 / 255.0f, 96 / 255.0f, 1.0f),
    glm::vec4(111 / 255.0f, 78 / 255.0f, 55 / 255.0f, 1.0f), glm::vec4(255 / 255.0f, 228 / 255.0f, 181 / 255.0f, 1.0f),
    glm::vec4(102 / 255.0f, 76 / 255.0f, 40 / 255.0f, 1.0f)};

int paletteIndex(const glm::vec4& color)
{
    for (size_t i = 0; i < palette.size(); i++) {
        if (color == palette[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<Particle> particlesOf(const std::vector<char>& bytes)
{
    std::vector<Particle> particles(bytes.size() / sizeof(Particle));
    std::memcpy(particles.data(), bytes.data(), bytes.size());
    return particles;
}

class ParticleSystemTest : public GpuTest {
protected:
    void TearDown() override
    {
        for (ParticleSystem& system : systems) {
            system.cleanup();
        }
    }

    ParticleSystem& makeSystem(int count)
    {
        systems.emplace_back(bufferUtils(), count);
        return systems.back();
    }

    std::vector<char> readState(VkBuffer buffer, int count) const
    {
        return context().readBuffer(buffer, sizeof(Particle) * static_cast<VkDeviceSize>(count));
    }

    std::deque<ParticleSystem> systems;
};

// The object needs the real compute and draw pipelines for its set layouts.
class ParticleObjectTest : public GpuTest {
protected:
    void SetUp() override
    {
        renderPass = createGBufferRenderPass(device(), bufferUtils().findDepthFormat());
        computePipeline = ComputePipeline(shaderPath("particle_comp.spv"), bufferUtils(), renderPass,
                                          ComputePipeline::particleStepBindings());
        drawPipeline = ParticleDrawPipeline(shaderPath("particle_vert.spv"), shaderPath("particle_frag.spv"),
                                            shaderPath("particle_geom.spv"), bufferUtils(), renderPass, 5);
        model = std::make_unique<Model>(bufferUtils(), dir.write("cube.obj", cubeObj), false);
        system = std::make_unique<ParticleSystem>(bufferUtils(), particleCount);
        particles = ParticleObject(bufferUtils(), &computePipeline, model.get(), glm::vec3(0.0f), system.get(),
                                   &drawPipeline, false);
        camera.view = glm::lookAt(glm::vec3(0.0f, 2.0f, 8.0f), glm::vec3(0.0f), glm::vec3(0.0f, 1.0f, 0.0f));
        camera.proj = glm::perspective(glm::radians(60.0f), 1.5f, 0.1f, 50.0f);
    }

    void TearDown() override
    {
        particles.cleanup();
        drawPipeline.cleanup();
        computePipeline.cleanup();
        vkDestroyRenderPass(device(), renderPass, nullptr);
    }

    // One simulation step with the compute set of `frame`, waited for.
    void simulate(uint32_t frame)
    {
        VkCommandBuffer commandBuffer = bufferUtils().beginSingleTimeCommands();
        vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_COMPUTE, particles.getPipeline());
        vkCmdBindDescriptorSets(commandBuffer, VK_PIPELINE_BIND_POINT_COMPUTE, particles.getPipelineLayout(), 0, 1,
                                &particles.getDescriptorSet(frame), 0, nullptr);
        vkCmdDispatch(commandBuffer, static_cast<uint32_t>(particleWorkGroups(particles.getParticleCount())), 1, 1);
        bufferUtils().endSingleTimeCommands(commandBuffer);
    }

    std::vector<char> readState(uint32_t frame) const
    {
        return context().readBuffer(particles.getStorageBuffers()[frame], sizeof(Particle) * particleCount);
    }

    static UniformBufferObject recordAt(const void* mapped)
    {
        UniformBufferObject ubo;
        std::memcpy(&ubo, mapped, sizeof(ubo));
        return ubo;
    }

    VkRenderPass renderPass = VK_NULL_HANDLE;
    ComputePipeline computePipeline;
    ParticleDrawPipeline drawPipeline;
    std::unique_ptr<Model> model;
    std::unique_ptr<ParticleSystem> system;
    ParticleObject particles;
    Camera camera;
};

} // namespace

TEST_F(ParticleSystemTest, BothBuffersStartIdentical)
{
    ParticleSystem& system = makeSystem(particleCount);
    ASSERT_EQ(system.getStorageBuffers().size(), 2u);
    EXPECT_EQ(readState(system.getStorageBuffers()[0], particleCount),
              readState(system.getStorageBuffers()[1], particleCount));
}

TEST_F(ParticleSystemTest, InitialStateFollowsTheEmitter)
{
    ParticleSystem& system = makeSystem(particleCount);
    const std::vector<Particle> particles = particlesOf(readState(system.getStorageBuffers()[0], particleCount));
    ASSERT_EQ(particles.size(), static_cast<size_t>(particleCount));

    for (const Particle& particle : particles) {
        EXPECT_NEAR(glm::length(particle.velocity), 1.0f, 1e-5f);
        EXPECT_GE(particle.lifetime, 3.0f);
        EXPECT_LT(particle.lifetime, 7.0f);
        EXPECT_EQ(particle.position.y, -3.0f);
        EXPECT_NEAR(glm::length(glm::vec2(particle.position.x, particle.position.z)), 0.2f, 1e-6f);
        EXPECT_EQ(particle.startPosition, particle.position);
        EXPECT_EQ(particle.age, 0.0f);
        EXPECT_GE(particle.angle, 0.0f);
        EXPECT_LE(particle.angle, glm::two_pi<float>());
        EXPECT_GE(particle.randomVector.x, 0.0f);
        EXPECT_LT(particle.randomVector.x, 2.0f);
        EXPECT_NE(paletteIndex(particle.color), -1);
        EXPECT_EQ(particle.padding0 + particle.padding1 + particle.padding2 + particle.padding3 + particle.padding4,
                  0.0f);
    }
}

// The colour index scales a draw in 0..32767 to 0..4; a larger integer range
// would leave every particle with the last colour.
TEST_F(ParticleSystemTest, TheFourMainColorsAreAllUsed)
{
    ParticleSystem& system = makeSystem(particleCount);
    std::set<int> used;
    float largestAngle = 0.0f;
    for (const Particle& particle : particlesOf(readState(system.getStorageBuffers()[1], particleCount))) {
        used.insert(paletteIndex(particle.color));
        largestAngle = std::max(largestAngle, particle.angle);
    }
    for (int index = 0; index < 4; index++) {
        EXPECT_EQ(used.count(index), 1u) << "colour " << index;
    }
    EXPECT_GT(largestAngle, glm::pi<float>());
}

// The draws list only the particles that the geometry shader would draw, in their own order
// (blending depends on it): a particle left out loses its puff in every view.
TEST_F(ParticleSystemTest, TheDrawsListEveryParticleThatCarriesDustInOrder)
{
    ParticleSystem& system = makeSystem(particleCount);
    const std::vector<Particle> particles = particlesOf(readState(system.getStorageBuffers()[0], particleCount));
    std::vector<uint32_t> expected;
    for (uint32_t i = 0; i < particles.size(); i++) {
        if (particles[i].randomVector.x < 1.0f) {
            expected.push_back(i);
        }
    }
    ASSERT_EQ(system.getCarrierCount(), expected.size());
    ASSERT_GT(expected.size(), particles.size() / 3);
    ASSERT_LT(expected.size(), 2 * particles.size() / 3);
    const std::vector<char> bytes =
        context().readBuffer(system.getCarrierIndexBuffer(), sizeof(uint32_t) * expected.size());
    std::vector<uint32_t> listed(expected.size());
    std::memcpy(listed.data(), bytes.data(), bytes.size());
    EXPECT_EQ(listed, expected);

    std::vector<Particle> edges(5);
    const float randomX[] = {-0.5f, 0.999f, 1.0f, 1.5f, 2.5f};
    for (size_t i = 0; i < edges.size(); i++) {
        edges[i].randomVector.x = randomX[i];
    }
    EXPECT_EQ(dustCarriers(edges), (std::vector<uint32_t>{0, 1}));
}

TEST_F(ParticleSystemTest, CountMustBePositive)
{
    EXPECT_THROW(ParticleSystem(bufferUtils(), 0), std::runtime_error);
    EXPECT_THROW(ParticleSystem(bufferUtils(), -5), std::runtime_error);
}

TEST_F(ParticleObjectTest, ComputeSetReadsTheOtherBufferAndWritesItsOwn)
{
    const std::vector<VkBuffer> storageBuffers = particles.getStorageBuffers();
    for (uint32_t frame : {0u, 1u}) {
        const auto infos = particles.computeBufferInfos(frame);
        EXPECT_EQ(infos[0].range, 208u);
        EXPECT_EQ(infos[1].buffer, storageBuffers[1 - frame]) << "frame " << frame;
        EXPECT_EQ(infos[2].buffer, storageBuffers[frame]) << "frame " << frame;
        EXPECT_EQ(infos[1].range, 96u * particleCount);
        EXPECT_EQ(infos[2].range, 96u * particleCount);
    }
    EXPECT_NE(particles.computeBufferInfos(0)[0].buffer, particles.computeBufferInfos(1)[0].buffer);
}

// Running the simulation shows which buffer each frame's set really writes.
TEST_F(ParticleObjectTest, SimulationStepOfAFrameChangesOnlyItsBuffer)
{
    particles.update(0.0f, 0.1f, 0, &camera);
    particles.update(0.0f, 0.1f, 1, &camera);
    const std::vector<char> initial = readState(0);

    simulate(0);
    EXPECT_NE(readState(0), initial);
    EXPECT_EQ(readState(1), initial);

    const std::vector<char> afterFirst = readState(0);
    simulate(1);
    EXPECT_EQ(readState(0), afterFirst);
    EXPECT_NE(readState(1), initial);
}

TEST_F(ParticleObjectTest, UpdateFillsBothRecordsOfItsFrameOnly)
{
    particles.update(5.0f, 0.25f, 1, &camera);
    const glm::mat4 otherView = glm::lookAt(glm::vec3(3.0f, 0.0f, 0.0f), glm::vec3(0.0f), glm::vec3(0, 1, 0));
    particles.update(5.0f, 0.5f, 0, &camera);
    particles.updateWithViewProj(5.0f, 0.75f, 0, otherView, camera.proj);

    const UniformBufferObject compute = recordAt(particles.getMappedUniformBuffer(1));
    EXPECT_EQ(compute.model, glm::translate(glm::mat4(1.0f), glm::vec3(20.0f, 0.0f, 0.0f)));
    EXPECT_EQ(compute.view, camera.view);
    EXPECT_EQ(compute.proj, camera.proj);
    EXPECT_EQ(compute.scalar, 0.25f);

    const UniformBufferObject draw = recordAt(particles.getMappedDrawUniformBuffer(1));
    EXPECT_EQ(draw.model, glm::mat4(1.0f));
    EXPECT_EQ(draw.view, camera.view);
    EXPECT_EQ(draw.scalar, 0.0f);

    // The environment's matrices go to its own drawing record only: the
    // compute step and the camera's pass of the frame may be reading the others.
    EXPECT_EQ(recordAt(particles.getMappedUniformBuffer(0)).view, camera.view);
    EXPECT_EQ(recordAt(particles.getMappedUniformBuffer(0)).scalar, 0.5f);
    EXPECT_EQ(recordAt(particles.getMappedDrawUniformBuffer(0)).view, camera.view);
    EXPECT_EQ(recordAt(particles.getMappedDrawUniformBuffer(0, ViewPass::Environment)).view, otherView);
    EXPECT_EQ(particles.getDrawUniforms(ViewPass::Environment).view, otherView);
    EXPECT_EQ(recordAt(particles.getMappedDrawUniformBuffer(1)).view, camera.view);
}

TEST_F(ParticleObjectTest, AccessorsReachThePipelinesAndTheSystem)
{
    EXPECT_EQ(particles.getPipeline(), computePipeline.getPipeline());
    EXPECT_EQ(particles.getDrawPipeline(), drawPipeline.getPipeline());
    EXPECT_EQ(particles.getDrawPipelineLayout(), drawPipeline.getPipelineLayout());
    EXPECT_EQ(particles.getParticleCount(), particleCount);
    EXPECT_EQ(particles.getStorageBuffers(), system->getStorageBuffers());
    std::set<VkDescriptorSet> drawSets;
    for (uint32_t frame : {0u, 1u}) {
        drawSets.insert(particles.getDrawDescriptorSet(frame, ViewPass::Camera));
        drawSets.insert(particles.getDrawDescriptorSet(frame, ViewPass::Environment));
    }
    EXPECT_EQ(drawSets.size(), 4u);

    EXPECT_EQ(particles.getCubemapPipeline(), VK_NULL_HANDLE);
    particles.setCubemapPipeline(&drawPipeline);
    EXPECT_EQ(particles.getCubemapPipeline(), drawPipeline.getPipeline());
    EXPECT_EQ(particles.getCubemapPipelineLayout(), drawPipeline.getPipelineLayout());
}

// The renderer skips the dust in every view that the plume's bound cannot reach, so no particle
// that can be drawn may ever leave it, at the longest step the simulation takes and at the
// benchmark's.
TEST_F(ParticleObjectTest, EveryDrawableParticleStaysInsideThePlumeBound)
{
    const BoundingSphere plume = plumeBounds();
    float farthest = 0.0f;
    for (const auto& [step, steps] : {std::pair<float, int>{0.1f, 160}, {1.0f / 30.0f, 300}}) {
        for (int i = 0; i < steps; ++i) {
            const auto frame = static_cast<uint32_t>(i % 2);
            particles.update(0.0f, step, frame, &camera);
            simulate(frame);
            if (i % 10 != 9) {
                continue;
            }
            for (const Particle& particle : particlesOf(readState(frame))) {
                if (particle.age > 0.0f && particle.lifetime > 0.0f) {
                    const float distance = glm::distance(particle.position, plume.centre);
                    ASSERT_LE(distance, plume.radius) << "step " << step << ", turn " << i;
                    farthest = std::max(farthest, distance);
                }
            }
        }
    }
    // The run must carry particles well out for the check to mean anything.
    EXPECT_GT(farthest, plume.radius / 3.0f);
}
