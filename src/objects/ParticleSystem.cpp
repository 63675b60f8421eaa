#include "objects/ParticleSystem.h"

#include "constants/FramesInFlight.h"
#include "objects/DustEmitter.h"
#include "scene/Particle.h"
#include "objects/Rand15.h"
#include "scene/DustCarriers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <random>
#include <stdexcept>

namespace {

constexpr double randMax = 32767.0;
constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;

// Sand tones, alpha 1. The last one is picked only by the highest integer draw.
glm::vec4 sandColor(float red, float green, float blue)
{
    return glm::vec4(red / 255.0f, green / 255.0f, blue / 255.0f, 1.0f);
}

const std::array<glm::vec4, 5> colors = {sandColor(100, 65, 23), sandColor(244, 164, 96), sandColor(111, 78, 55),
                                         sandColor(255, 228, 181), sandColor(102, 76, 40)};

std::vector<Particle> initialParticles(int particleCount, unsigned seed)
{
    std::mt19937 rndEngine(seed);
    std::uniform_real_distribution<float> rndDist(0.0f, 1.0f);

    std::vector<Particle> particles(particleCount);
    for (Particle& particle : particles) {
        const float theta = static_cast<float>(rndDist(rndEngine) * 2.0f * pi);
        particle.position = glm::vec3(dustEmitter::ringRadius * std::cos(theta), dustEmitter::ringHeight,
                                      dustEmitter::ringRadius * std::sin(theta));

        const float a = rndDist(rndEngine);
        const float b = rndDist(rndEngine);
        const float c = rndDist(rndEngine);
        particle.velocity = glm::normalize(glm::vec3(c, -b, a));

        const size_t colorIndex = static_cast<size_t>(rand15() / randMax * 4.0);
        particle.color = colors[std::min(colorIndex, colors.size() - 1)];
        particle.angle = static_cast<float>(rand15() / randMax * twoPi);
        particle.age = 0.0f;
        particle.lifetime = dustEmitter::shortestLife + dustEmitter::lifeSpread * rndDist(rndEngine);

        const float u1 = rndDist(rndEngine);
        const float u2 = rndDist(rndEngine);
        const float u3 = rndDist(rndEngine);
        particle.randomVector = glm::vec3(2.0f * u3, u2, u1);
        particle.startPosition = particle.position;
    }
    return particles;
}

} // namespace

ParticleSystem::ParticleSystem(BufferUtils bufferUtils, int particleCount, std::optional<unsigned> seed)
    : bufferUtils(bufferUtils), device(bufferUtils.getDevice()), particleCount(particleCount)
{
    if (particleCount <= 0) {
        throw std::runtime_error("particle count must be positive!");
    }
    const std::vector<Particle> particles =
        initialParticles(particleCount, seed.value_or(static_cast<unsigned>(time(nullptr))));
    createStorageBuffers(particles);
    createCarrierIndexBuffer(particles);
}

void ParticleSystem::createStorageBuffers(const std::vector<Particle>& particles)
{
    const VkDeviceSize bufferSize = sizeof(Particle) * particles.size();
    storageBuffers.resize(MAX_FRAMES_IN_FLIGHT);
    storageBuffersMemory.resize(MAX_FRAMES_IN_FLIGHT);
    for (size_t i = 0; i < MAX_FRAMES_IN_FLIGHT; i++) {
        // Transfer source as well, so that the particle state can be read back and verified.
        bufferUtils.createDeviceLocalBuffer(particles.data(), bufferSize,
                                            VK_BUFFER_USAGE_STORAGE_BUFFER_BIT | VK_BUFFER_USAGE_VERTEX_BUFFER_BIT |
                                                VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                                            storageBuffers[i], storageBuffersMemory[i]);
    }
}

void ParticleSystem::createCarrierIndexBuffer(const std::vector<Particle>& particles)
{
    const std::vector<uint32_t> carriers = dustCarriers(particles);
    carrierCount = static_cast<uint32_t>(carriers.size());
    if (carriers.empty()) {
        return;
    }
    bufferUtils.createDeviceLocalBuffer(carriers.data(), sizeof(uint32_t) * carriers.size(),
                                        VK_BUFFER_USAGE_INDEX_BUFFER_BIT | VK_BUFFER_USAGE_STORAGE_BUFFER_BIT |
                                            VK_BUFFER_USAGE_TRANSFER_SRC_BIT,
                                        carrierIndexBuffer, carrierIndexBufferMemory);
}

void ParticleSystem::cleanup()
{
    vkDestroyBuffer(device, carrierIndexBuffer, nullptr);
    vkFreeMemory(device, carrierIndexBufferMemory, nullptr);
    carrierIndexBuffer = VK_NULL_HANDLE;
    carrierIndexBufferMemory = VK_NULL_HANDLE;
    for (size_t i = 0; i < storageBuffers.size(); i++) {
        vkDestroyBuffer(device, storageBuffers[i], nullptr);
        vkFreeMemory(device, storageBuffersMemory[i], nullptr);
    }
}
