#include "objects/ParticleObject.h"

#include "scene/Camera.h"
#include "objects/DustEmitter.h"
#include "base/FrameResources.h"
#include "scene/Particle.h"
#include "scene/UniformRecords.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cstring>

ParticleObject::ParticleObject(BufferUtils bufferUtils, Pipeline* computePipeline, Model* model, glm::vec3 position,
                               ParticleSystem* particleSystem, Pipeline* drawPipeline, bool isCameraTarget)
    : particleSystem(particleSystem), drawPipeline(drawPipeline)
{
    this->bufferUtils = bufferUtils;
    device = bufferUtils.getDevice();
    pipeline = computePipeline;
    this->model = model;
    this->position = position;
    this->isCameraTarget = isCameraTarget;
    createUniformBuffers();
    createDescriptorPool();
    createDescriptorSets();
    createDrawUniformBuffers();
    createDrawDescriptorPool();
    createDrawDescriptorSets();
}

void ParticleObject::createUniformBuffers()
{
    uniformBuffers = createMappedUniformBuffers(bufferUtils, sizeof(UniformBufferObject));
}

void ParticleObject::createDescriptorPool()
{
    descriptorPool = createFramePool(device, {{VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, MAX_FRAMES_IN_FLIGHT},
                                              {VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, MAX_FRAMES_IN_FLIGHT * 2}});
}

std::array<VkDescriptorBufferInfo, 3> ParticleObject::computeBufferInfos(uint32_t frameIndex) const
{
    const std::vector<VkBuffer> storageBuffers = particleSystem->getStorageBuffers();
    const VkDeviceSize stateSize = sizeof(Particle) * static_cast<VkDeviceSize>(particleSystem->getParticleCount());
    const uint32_t lastFrame = previousFrameSlot(frameIndex);
    return {wholeRange(uniformBuffers[frameIndex].buffer, sizeof(UniformBufferObject)),
            wholeRange(storageBuffers[lastFrame], stateSize), wholeRange(storageBuffers[frameIndex], stateSize)};
}

void ParticleObject::createDescriptorSets()
{
    descriptorSets = allocateFrameSets(device, descriptorPool, pipeline->getDescriptorSetLayout());
    for (uint32_t i = 0; i < MAX_FRAMES_IN_FLIGHT; i++) {
        const std::array<VkDescriptorBufferInfo, 3> bufferInfos = computeBufferInfos(i);
        const std::array<VkWriteDescriptorSet, 3> descriptorWrites = {
            bufferWrite(descriptorSets[i], 0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, bufferInfos[0]),
            bufferWrite(descriptorSets[i], 1, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, bufferInfos[1]),
            bufferWrite(descriptorSets[i], 2, VK_DESCRIPTOR_TYPE_STORAGE_BUFFER, bufferInfos[2]),
        };
        vkUpdateDescriptorSets(device, static_cast<uint32_t>(descriptorWrites.size()), descriptorWrites.data(), 0,
                               nullptr);
    }
}

void ParticleObject::createDrawUniformBuffers()
{
    drawUniformBuffers = createMappedUniformBuffers(bufferUtils, sizeof(UniformBufferObject));
    environmentDrawUniformBuffers = createMappedUniformBuffers(bufferUtils, sizeof(UniformBufferObject));
}

void ParticleObject::createDrawDescriptorPool()
{
    drawDescriptorPool =
        createFramePool(device, {{VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, MAX_FRAMES_IN_FLIGHT}}, viewPassCount);
}

void ParticleObject::createDrawDescriptorSets()
{
    // The cube-pass draw pipeline is of the same class, so these sets serve it too.
    drawDescriptorSets = allocateFrameSets(device, drawDescriptorPool, drawPipeline->getDescriptorSetLayout());
    environmentDrawDescriptorSets =
        allocateFrameSets(device, drawDescriptorPool, drawPipeline->getDescriptorSetLayout());
    for (uint32_t i = 0; i < MAX_FRAMES_IN_FLIGHT; i++) {
        const std::array<VkDescriptorBufferInfo, 2> bufferInfos = {
            wholeRange(drawUniformBuffers[i].buffer, sizeof(UniformBufferObject)),
            wholeRange(environmentDrawUniformBuffers[i].buffer, sizeof(UniformBufferObject))};
        const std::array<VkWriteDescriptorSet, 2> descriptorWrites = {
            bufferWrite(drawDescriptorSets[i], 0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, bufferInfos[0]),
            bufferWrite(environmentDrawDescriptorSets[i], 0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, bufferInfos[1])};
        vkUpdateDescriptorSets(device, static_cast<uint32_t>(descriptorWrites.size()), descriptorWrites.data(), 0,
                               nullptr);
    }
}

VkDescriptorSet ParticleObject::getDrawDescriptorSet(uint32_t frameIndex, ViewPass pass) const
{
    return pass == ViewPass::Camera ? drawDescriptorSets[frameIndex] : environmentDrawDescriptorSets[frameIndex];
}

const void* ParticleObject::getMappedDrawUniformBuffer(uint32_t frameIndex, ViewPass pass) const
{
    return (pass == ViewPass::Camera ? drawUniformBuffers : environmentDrawUniformBuffers)[frameIndex].mapped;
}

const UniformBufferObject& ParticleObject::getDrawUniforms(ViewPass pass) const
{
    return pass == ViewPass::Camera ? drawUniforms : environmentDrawUniforms;
}

VkPipeline ParticleObject::getCubemapPipeline() const
{
    return cubemapDrawPipeline != nullptr ? cubemapDrawPipeline->getPipeline() : VK_NULL_HANDLE;
}

VkPipelineLayout ParticleObject::getCubemapPipelineLayout() const
{
    return cubemapDrawPipeline != nullptr ? cubemapDrawPipeline->getPipelineLayout() : VK_NULL_HANDLE;
}

void ParticleObject::update(float, float deltaTime, uint32_t currentFrame, Camera* camera)
{
    writeComputeRecord(currentFrame, deltaTime, camera->view, camera->proj);
    writeDrawRecord(currentFrame, ViewPass::Camera, camera->view, camera->proj);
}

void ParticleObject::updateWithViewProj(float, float, uint32_t currentFrame, glm::mat4 view, glm::mat4 proj)
{
    writeDrawRecord(currentFrame, ViewPass::Environment, view, proj);
}

void ParticleObject::writeComputeRecord(uint32_t currentFrame, float deltaTime, const glm::mat4& view,
                                        const glm::mat4& proj)
{
    UniformBufferObject pubo{};
    pubo.model = glm::translate(glm::mat4(1.0f), dustEmitter::offset);
    pubo.view = view;
    pubo.proj = proj;
    pubo.scalar = deltaTime;
    std::memcpy(uniformBuffers[currentFrame].mapped, &pubo, sizeof(pubo));
}

void ParticleObject::writeDrawRecord(uint32_t currentFrame, ViewPass pass, const glm::mat4& view, const glm::mat4& proj)
{
    UniformBufferObject ubo{};
    ubo.model = glm::mat4(1.0f);
    ubo.view = view;
    ubo.proj = proj;
    const bool camera = pass == ViewPass::Camera;
    std::memcpy((camera ? drawUniformBuffers : environmentDrawUniformBuffers)[currentFrame].mapped, &ubo, sizeof(ubo));
    (camera ? drawUniforms : environmentDrawUniforms) = ubo;
}

void ParticleObject::setListPipeline(const Pipeline* listPipeline)
{
    dustViews.cleanup();
    dustViews = DustViews(bufferUtils, listPipeline, *particleSystem);
}

void ParticleObject::cleanup()
{
    dustViews.cleanup();
    particleSystem->cleanup();
    model->cleanup();
    destroyMappedBuffers(device, uniformBuffers);
    destroyMappedBuffers(device, drawUniformBuffers);
    destroyMappedBuffers(device, environmentDrawUniformBuffers);
    vkDestroyDescriptorPool(device, descriptorPool, nullptr);
    vkDestroyDescriptorPool(device, drawDescriptorPool, nullptr);
}
