#include "objects/ImageObject.h"

#include "scene/Camera.h"
#include "base/FrameResources.h"
#include "objects/PathRotation.h"
#include "scene/UniformRecords.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cstring>

namespace {

const glm::vec3 pathForward(0.0f, 0.0f, -1.0f);

} // namespace

ImageObject::ImageObject(BufferUtils bufferUtils, Pipeline* pipeline, Model* model, ImageTexture* texture,
                         glm::vec3 position, float rotationAngle, glm::vec3 rotationAxis, glm::vec3 scale,
                         const Path* path, float objectScalar, bool isCameraTarget)
    : texture(texture), objectScalar(objectScalar)
{
    this->bufferUtils = bufferUtils;
    device = bufferUtils.getDevice();
    this->pipeline = pipeline;
    this->model = model;
    this->position = position;
    this->rotationAngle = rotationAngle;
    this->rotationAxis = rotationAxis;
    this->scale = scale;
    this->isCameraTarget = isCameraTarget;
    if (path != nullptr) {
        this->path = *path;
        followsPath = true;
    }
    createUniformBuffers();
    createDescriptorPool();
    createDescriptorSets();
}

void ImageObject::createUniformBuffers()
{
    uniformBuffers = createMappedUniformBuffers(bufferUtils, sizeof(UniformBufferObject));
    environmentUniformBuffers = createMappedUniformBuffers(bufferUtils, sizeof(UniformBufferObject));
    materialBuffers = createMappedUniformBuffers(bufferUtils, sizeof(MaterialBufferObject));
}

void ImageObject::createDescriptorPool()
{
    descriptorPool = createFramePool(device,
                                     {{VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, MAX_FRAMES_IN_FLIGHT},
                                      {VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, MAX_FRAMES_IN_FLIGHT},
                                      {VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, MAX_FRAMES_IN_FLIGHT},
                                      {VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, MAX_FRAMES_IN_FLIGHT}},
                                     viewPassCount);
}

const std::vector<MappedBuffer>& ImageObject::buffersOf(ViewPass pass) const
{
    return pass == ViewPass::Camera ? uniformBuffers : environmentUniformBuffers;
}

std::array<VkDescriptorBufferInfo, 2> ImageObject::frameBufferInfos(uint32_t frameIndex, ViewPass pass) const
{
    return {wholeRange(buffersOf(pass)[frameIndex].buffer, sizeof(UniformBufferObject)),
            wholeRange(materialBuffers[frameIndex].buffer, sizeof(MaterialBufferObject))};
}

VkBuffer ImageObject::getUniformBuffer(uint32_t frameIndex, ViewPass pass) const
{
    return buffersOf(pass)[frameIndex].buffer;
}

const void* ImageObject::getMappedUniformBuffer(uint32_t frameIndex, ViewPass pass) const
{
    return buffersOf(pass)[frameIndex].mapped;
}

VkDescriptorSet ImageObject::getDescriptorSet(uint32_t frameIndex, ViewPass pass) const
{
    return pass == ViewPass::Camera ? descriptorSets[frameIndex] : environmentDescriptorSets[frameIndex];
}

const UniformBufferObject& ImageObject::getUniforms(ViewPass pass) const
{
    return pass == ViewPass::Camera ? uniforms : environmentUniforms;
}

void ImageObject::createDescriptorSets()
{
    descriptorSets = allocateFrameSets(device, descriptorPool, pipeline->getDescriptorSetLayout());
    environmentDescriptorSets = allocateFrameSets(device, descriptorPool, pipeline->getDescriptorSetLayout());
    for (uint32_t i = 0; i < MAX_FRAMES_IN_FLIGHT; i++) {
        writeDescriptorSet(descriptorSets[i], i, ViewPass::Camera);
        writeDescriptorSet(environmentDescriptorSets[i], i, ViewPass::Environment);
    }
}

void ImageObject::writeDescriptorSet(VkDescriptorSet descriptorSet, uint32_t frameIndex, ViewPass pass) const
{
    const std::array<VkDescriptorBufferInfo, 2> bufferInfos = frameBufferInfos(frameIndex, pass);
    const VkDescriptorImageInfo imageInfo = sampledImage(texture->getTextureImageView(), texture->getTextureSampler());
    const VkDescriptorImageInfo normalMapInfo =
        sampledImage(texture->getNormalImageView(), texture->getNormalSampler());

    const std::array<VkWriteDescriptorSet, 4> descriptorWrites = {
        bufferWrite(descriptorSet, 0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, bufferInfos[0]),
        samplerWrite(descriptorSet, 1, imageInfo),
        samplerWrite(descriptorSet, 2, normalMapInfo),
        bufferWrite(descriptorSet, 3, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, bufferInfos[1]),
    };
    vkUpdateDescriptorSets(device, static_cast<uint32_t>(descriptorWrites.size()), descriptorWrites.data(), 0, nullptr);
}

void ImageObject::update(float time, float, uint32_t currentFrame, Camera* camera)
{
    writeUniforms(currentFrame, ViewPass::Camera, placeAt(time, camera), camera->view, camera->proj);
}

void ImageObject::updateWithViewProj(float time, float, uint32_t currentFrame, glm::mat4 view, glm::mat4 proj)
{
    writeUniforms(currentFrame, ViewPass::Environment, placeAt(time, nullptr), view, proj);
}

glm::mat4 ImageObject::placeAt(float time, Camera* target)
{
    glm::vec3 worldPos(0.0f);
    if (followsPath) {
        pathRotation = pathRotationMatrix(path.getRotation(time, pathForward));
        worldPos = path.getPosition(time);
        if (isCameraTarget && target != nullptr) {
            target->target = worldPos;
        }
    }

    const glm::mat4 scaleMatrix = glm::scale(glm::mat4(1.0f), scale);
    const glm::mat4 rotationMatrix = glm::rotate(glm::mat4(1.0f), rotationAngle, rotationAxis);
    const glm::mat4 rotationScaleMatrix = pathRotation * scaleMatrix * rotationMatrix;

    // The translation acts in object space, so a path position is brought
    // there first to put the object's origin exactly on the path.
    if (followsPath) {
        const glm::mat4 worldToObject = glm::inverse(rotationScaleMatrix);
        position = glm::vec3(worldToObject * glm::vec4(worldPos, 1.0f));
    }
    return rotationScaleMatrix * glm::translate(glm::mat4(1.0f), position);
}

void ImageObject::writeUniforms(uint32_t currentFrame, ViewPass pass, const glm::mat4& modelMatrix,
                                const glm::mat4& view, const glm::mat4& proj)
{
    UniformBufferObject ubo{};
    ubo.model = modelMatrix;
    ubo.view = view;
    ubo.proj = proj;
    ubo.scalar = objectScalar;
    std::memcpy(buffersOf(pass)[currentFrame].mapped, &ubo, sizeof(ubo));
    (pass == ViewPass::Camera ? uniforms : environmentUniforms) = ubo;

    MaterialBufferObject mubo{};
    mubo.materialVector = texture->getMaterialVector();
    mubo.coefficient1 = texture->getCoefficient1();
    mubo.coefficient2 = texture->getCoefficient2();
    mubo.coefficient3 = texture->getCoefficient3();
    std::memcpy(materialBuffers[currentFrame].mapped, &mubo, sizeof(mubo));
}

bool ImageObject::drawsLike(const ImageObject& other, ViewPass pass) const
{
    return model == other.model && texture == other.texture &&
           std::memcmp(&getUniforms(pass), &other.getUniforms(pass), sizeof(UniformBufferObject)) == 0;
}

void ImageObject::cleanupUniformBuffers()
{
    destroyMappedBuffers(device, uniformBuffers);
    destroyMappedBuffers(device, environmentUniformBuffers);
    vkDestroyDescriptorPool(device, descriptorPool, nullptr);
}

void ImageObject::cleanup()
{
    texture->cleanup();
    model->cleanup();
    destroyMappedBuffers(device, uniformBuffers);
    destroyMappedBuffers(device, environmentUniformBuffers);
    destroyMappedBuffers(device, materialBuffers);
    vkDestroyDescriptorPool(device, descriptorPool, nullptr);
}
