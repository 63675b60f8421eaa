#include "objects/DefferedDrawObject.h"

#include "scene/Camera.h"
#include "base/FrameResources.h"
#include "scene/UniformRecords.h"

#include <array>
#include <cstring>

namespace {

constexpr uint32_t gBufferTargetCount = DefferedTexture::AttachmentCount;

} // namespace

DefferedDrawObject::DefferedDrawObject(BufferUtils bufferUtils, RenderDefferedPipeline* pipeline, Model* model,
                                       glm::vec3 position, DefferedTexture* deferredTexture, bool isCameraTarget)
    : deferredTexture(deferredTexture), lightingPipeline(pipeline)
{
    this->bufferUtils = bufferUtils;
    device = bufferUtils.getDevice();
    this->pipeline = pipeline;
    this->model = model;
    this->position = position;
    this->isCameraTarget = isCameraTarget;
    createUniformBuffers();
    createDescriptorPool();
    createDescriptorSets();
}

void DefferedDrawObject::createUniformBuffers()
{
    uniformBuffers = createMappedUniformBuffers(bufferUtils, sizeof(LightBufferObject));
}

void DefferedDrawObject::createDescriptorPool()
{
    std::vector<VkDescriptorPoolSize> poolSizes = {{VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, MAX_FRAMES_IN_FLIGHT}};
    poolSizes.insert(poolSizes.end(), gBufferTargetCount,
                     {VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, MAX_FRAMES_IN_FLIGHT});
    descriptorPool = createFramePool(device, poolSizes);
}

void DefferedDrawObject::createDescriptorSets()
{
    descriptorSets = allocateFrameSets(device, descriptorPool, pipeline->getDescriptorSetLayout());
    writeDescriptorSets();
}

void DefferedDrawObject::resizeTargets(VkExtent2D extent)
{
    deferredTexture->resize(extent);
    writeDescriptorSets();
}

void DefferedDrawObject::writeDescriptorSets()
{
    const VkSampler sampler = deferredTexture->getSampler();
    const std::vector<VkImageView> albedoViews = deferredTexture->getAlbedoViews();
    const std::vector<VkImageView> normalViews = deferredTexture->getNormalViews();
    const std::vector<VkImageView> coefficientViews = deferredTexture->getCoefficientViews();
    const std::vector<VkImageView> materialViews = deferredTexture->getMaterialViews();
    const std::vector<VkImageView> worldPosViews = deferredTexture->getWorldPosViews();

    for (uint32_t i = 0; i < MAX_FRAMES_IN_FLIGHT; i++) {
        const VkDescriptorBufferInfo lightBufferInfo = wholeRange(uniformBuffers[i].buffer, sizeof(LightBufferObject));
        const std::array<VkDescriptorImageInfo, gBufferTargetCount> imageInfos = {
            sampledImage(albedoViews[i], sampler), sampledImage(normalViews[i], sampler),
            sampledImage(coefficientViews[i], sampler), sampledImage(materialViews[i], sampler),
            sampledImage(worldPosViews[i], sampler)};

        std::vector<VkWriteDescriptorSet> descriptorWrites = {
            bufferWrite(descriptorSets[i], 0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, lightBufferInfo)};
        for (uint32_t target = 0; target < gBufferTargetCount; target++) {
            descriptorWrites.push_back(samplerWrite(descriptorSets[i], target + 1, imageInfos[target]));
        }
        vkUpdateDescriptorSets(device, static_cast<uint32_t>(descriptorWrites.size()), descriptorWrites.data(), 0,
                               nullptr);
    }
}

void DefferedDrawObject::updateLightBuffer(float, float, uint32_t currentFrame, Camera* camera, Light* light)
{
    LightBufferObject lightBuffer{};
    lightBuffer.direction = light->direction;
    lightBuffer.color = light->color;
    lightBuffer.cameraPosition = camera->position;
    std::memcpy(uniformBuffers[currentFrame].mapped, &lightBuffer, sizeof(lightBuffer));
}

void DefferedDrawObject::cleanup()
{
    deferredTexture->cleanup();
    model->cleanup();
    destroyMappedBuffers(device, uniformBuffers);
    vkDestroyDescriptorPool(device, descriptorPool, nullptr);
}
