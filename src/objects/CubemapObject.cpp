#include "objects/CubemapObject.h"

#include "scene/Camera.h"
#include "base/FrameResources.h"
#include "scene/UniformRecords.h"
#include "textures/DynEnvironmentTexture.h"

#include <glm/gtc/matrix_transform.hpp>

#include <array>
#include <cstring>
#include <stdexcept>

namespace {

// The sky stays at infinity: only the camera's orientation may reach it.
glm::mat4 withoutTranslation(const glm::mat4& view)
{
    return glm::mat4(glm::mat3(view));
}

void requireDynamic(bool dynamic, const char* message)
{
    if (!dynamic) {
        throw std::runtime_error(message);
    }
}

// The cube-pass pipelines are set after construction; until then there is nothing to bind.
VkPipeline handleOf(const Pipeline* pipeline)
{
    return pipeline != nullptr ? pipeline->getPipeline() : VK_NULL_HANDLE;
}

VkPipelineLayout layoutOf(const Pipeline* pipeline)
{
    return pipeline != nullptr ? pipeline->getPipelineLayout() : VK_NULL_HANDLE;
}

} // namespace

CubemapObject::CubemapObject(BufferUtils bufferUtils, Pipeline* pipeline, Model* model, CubemapTexture* cubemap,
                             bool dynamic)
    : model(model), cubemap(cubemap), bufferUtils(bufferUtils), device(bufferUtils.getDevice()), pipeline(pipeline),
      dynamic(dynamic)
{
    // The descriptor sets of a dynamic cube sample its depth faces, which only that texture has.
    if (dynamic && dynamic_cast<DynEnvironmentTexture*>(cubemap) == nullptr) {
        throw std::runtime_error("dynamic cubemap needs a dynamic environment texture!");
    }
    createUniformBuffers();
    createDescriptorPool();
    createDescriptorSets();
}

void CubemapObject::createUniformBuffers()
{
    uniformBuffers = createMappedUniformBuffers(bufferUtils, sizeof(UniformBufferObject));
    environmentUniformBuffers = createMappedUniformBuffers(bufferUtils, sizeof(UniformBufferObject));
    if (dynamic) {
        cameraBuffers = createMappedUniformBuffers(bufferUtils, sizeof(CameraBufferObject));
    }
}

void CubemapObject::createDescriptorPool()
{
    std::vector<VkDescriptorPoolSize> poolSizes = {{VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, MAX_FRAMES_IN_FLIGHT},
                                                   {VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, MAX_FRAMES_IN_FLIGHT}};
    if (dynamic) {
        poolSizes.push_back({VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, MAX_FRAMES_IN_FLIGHT});
        poolSizes.push_back({VK_DESCRIPTOR_TYPE_COMBINED_IMAGE_SAMPLER, MAX_FRAMES_IN_FLIGHT});
    }
    descriptorPool = createFramePool(device, poolSizes, viewPassCount);
}

void CubemapObject::createDescriptorSets()
{
    descriptorSets = allocateFrameSets(device, descriptorPool, pipeline->getDescriptorSetLayout());
    environmentDescriptorSets = allocateFrameSets(device, descriptorPool, pipeline->getDescriptorSetLayout());
    for (uint32_t i = 0; i < MAX_FRAMES_IN_FLIGHT; i++) {
        writeDescriptorSet(descriptorSets[i], i, ViewPass::Camera);
        writeDescriptorSet(environmentDescriptorSets[i], i, ViewPass::Environment);
    }
}

void CubemapObject::writeDescriptorSet(VkDescriptorSet descriptorSet, uint32_t frameIndex, ViewPass pass) const
{
    const int frame = static_cast<int>(frameIndex);
    const VkDescriptorBufferInfo bufferInfo =
        wholeRange(buffersOf(pass)[frameIndex].buffer, sizeof(UniformBufferObject));
    const VkDescriptorImageInfo imageInfo = sampledImage(cubemap->getImageView(frame), cubemap->getSampler());
    std::vector<VkWriteDescriptorSet> descriptorWrites = {
        bufferWrite(descriptorSet, 0, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, bufferInfo),
        samplerWrite(descriptorSet, 1, imageInfo)};

    VkDescriptorBufferInfo cameraBuffer{};
    VkDescriptorImageInfo depthInfo{};
    if (dynamic) {
        auto* environment = dynamic_cast<DynEnvironmentTexture*>(cubemap);
        cameraBuffer = wholeRange(cameraBuffers[frameIndex].buffer, sizeof(CameraBufferObject));
        depthInfo = sampledImage(environment->getDepthImageView(frame), environment->getDepthSampler());
        descriptorWrites.push_back(bufferWrite(descriptorSet, 2, VK_DESCRIPTOR_TYPE_UNIFORM_BUFFER, cameraBuffer));
        descriptorWrites.push_back(samplerWrite(descriptorSet, 3, depthInfo));
    }
    vkUpdateDescriptorSets(device, static_cast<uint32_t>(descriptorWrites.size()), descriptorWrites.data(), 0, nullptr);
}

const std::vector<MappedBuffer>& CubemapObject::buffersOf(ViewPass pass) const
{
    return pass == ViewPass::Camera ? uniformBuffers : environmentUniformBuffers;
}

VkDescriptorSet CubemapObject::getDescriptorSet(uint32_t frameIndex, ViewPass pass) const
{
    return pass == ViewPass::Camera ? descriptorSets[frameIndex] : environmentDescriptorSets[frameIndex];
}

const void* CubemapObject::getMappedUniformBuffer(uint32_t frameIndex, ViewPass pass) const
{
    return buffersOf(pass)[frameIndex].mapped;
}

void CubemapObject::setImageToCubePipeline(Pipeline* newPipeline)
{
    requireDynamic(dynamic, "cannot set this pipeline on static cubemap!");
    imageToCubePipeline = newPipeline;
}

void CubemapObject::setCubeToCubePipeline(Pipeline* newPipeline)
{
    requireDynamic(dynamic, "cannot set this pipeline on static cubemap!");
    cubeToCubePipeline = newPipeline;
}

void CubemapObject::setPosition(glm::vec3 newPosition)
{
    requireDynamic(dynamic, "cannot set position on static cubemap!");
    position = newPosition;
}

glm::vec3 CubemapObject::getPosition() const
{
    requireDynamic(dynamic, "cannot get position of static cubemap!");
    return position;
}

VkPipeline CubemapObject::getImageToCubePipeline() const
{
    requireDynamic(dynamic, "cannot return this pipeline on static cubemap!");
    return handleOf(imageToCubePipeline);
}

VkPipelineLayout CubemapObject::getImageToCubePipelineLayout() const
{
    requireDynamic(dynamic, "cannot return this pipeline layout on static cubemap!");
    return layoutOf(imageToCubePipeline);
}

VkPipeline CubemapObject::getCubeToCubePipeline() const
{
    requireDynamic(dynamic, "cannot return this pipeline on static cubemap!");
    return handleOf(cubeToCubePipeline);
}

VkPipelineLayout CubemapObject::getCubeToCubePipelineLayout() const
{
    requireDynamic(dynamic, "cannot return this pipeline layout on static cubemap!");
    return layoutOf(cubeToCubePipeline);
}

void CubemapObject::updateAsSkybox(uint32_t currentFrame, Camera* camera)
{
    writeUniforms(currentFrame, ViewPass::Camera, glm::mat4(1.0f), withoutTranslation(camera->view), camera->proj);
    if (dynamic) {
        writeCameraPosition(currentFrame, camera);
    }
}

void CubemapObject::updateAsSkyboxWithViewProj(uint32_t currentFrame, glm::mat4 view, glm::mat4 proj)
{
    writeUniforms(currentFrame, ViewPass::Environment, glm::mat4(1.0f), withoutTranslation(view), proj);
}

void CubemapObject::updateAtPosition(uint32_t currentFrame, Camera* camera, glm::vec3 scale)
{
    const glm::mat4 modelMatrix = glm::scale(glm::translate(glm::mat4(1.0f), getPosition()), scale);
    writeUniforms(currentFrame, ViewPass::Camera, modelMatrix, camera->view, camera->proj);
    writeCameraPosition(currentFrame, camera);
}

void CubemapObject::writeUniforms(uint32_t currentFrame, ViewPass pass, const glm::mat4& modelMatrix,
                                  const glm::mat4& view, const glm::mat4& proj)
{
    UniformBufferObject ubo{};
    ubo.model = modelMatrix;
    ubo.view = view;
    ubo.proj = proj;
    std::memcpy(buffersOf(pass)[currentFrame].mapped, &ubo, sizeof(ubo));
}

void CubemapObject::writeCameraPosition(uint32_t currentFrame, const Camera* camera)
{
    CameraBufferObject cubo{};
    cubo.position = glm::vec4(camera->position, 1.0f);
    std::memcpy(cameraBuffers[currentFrame].mapped, &cubo, sizeof(cubo));
}

void CubemapObject::cleanup()
{
    cubemap->cleanup();
    model->cleanup();
    destroyMappedBuffers(device, uniformBuffers);
    destroyMappedBuffers(device, environmentUniformBuffers);
    destroyMappedBuffers(device, cameraBuffers);
    vkDestroyDescriptorPool(device, descriptorPool, nullptr);
}
