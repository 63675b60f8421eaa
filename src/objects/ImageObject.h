#pragma once

#include "objects/Object.h"
#include "scene/UniformRecords.h"
#include "scene/ViewPass.h"
#include "textures/ImageTexture.h"

#include <array>

// A textured, normal-mapped mesh, placed once or flying along a path. update() writes the
// camera's records and updateWithViewProj() the environment's (ViewPass).
class ImageObject : public Object {
public:
    ImageObject() = default;
    ImageObject(BufferUtils bufferUtils, Pipeline* pipeline, Model* model, ImageTexture* texture, glm::vec3 position,
                float rotationAngle, glm::vec3 rotationAxis, glm::vec3 scale, const Path* path, float objectScalar,
                bool isCameraTarget);

    void cleanupUniformBuffers() override;
    void update(float time, float deltaTime, uint32_t currentFrame, Camera* camera) override;
    void updateWithViewProj(float time, float deltaTime, uint32_t currentFrame, glm::mat4 view,
                            glm::mat4 proj) override;
    void cleanup() override;

    using Object::getDescriptorSet;
    VkDescriptorSet getDescriptorSet(uint32_t frameIndex, ViewPass pass) const;
    // The uniform and material buffers that the descriptor set of a frame and view refers to.
    std::array<VkDescriptorBufferInfo, 2> frameBufferInfos(uint32_t frameIndex, ViewPass pass = ViewPass::Camera) const;
    VkBuffer getUniformBuffer(uint32_t frameIndex, ViewPass pass = ViewPass::Camera) const;
    VkBuffer getMaterialBuffer(uint32_t frameIndex) const { return materialBuffers[frameIndex].buffer; }
    const void* getMappedMaterialBuffer(uint32_t frameIndex) const { return materialBuffers[frameIndex].mapped; }
    using Object::getMappedUniformBuffer;
    const void* getMappedUniformBuffer(uint32_t frameIndex, ViewPass pass) const;
    // What the last update of a view wrote, kept on the host so that a recording can tell what
    // the view sees.
    const UniformBufferObject& getUniforms(ViewPass pass = ViewPass::Camera) const;
    // True when drawing this object in a view repeats the draw of `other` exactly: the same
    // mesh, texture and uniforms, bit for bit, give the same fragments at the same depths,
    // which a LESS depth test turns away everywhere once `other` has been drawn.
    bool drawsLike(const ImageObject& other, ViewPass pass = ViewPass::Camera) const;
    // Whether the object's place can change from frame to frame: it follows a path.
    bool moves() const { return followsPath; }

private:
    void createUniformBuffers();
    void createDescriptorPool();
    void createDescriptorSets();
    void writeDescriptorSet(VkDescriptorSet descriptorSet, uint32_t frameIndex, ViewPass pass) const;
    const std::vector<MappedBuffer>& buffersOf(ViewPass pass) const;
    // Follows the path to `time` and returns the object-to-world matrix. A
    // non-null `target` camera is aimed at the object when it is the camera's target.
    glm::mat4 placeAt(float time, Camera* target);
    void writeUniforms(uint32_t currentFrame, ViewPass pass, const glm::mat4& modelMatrix, const glm::mat4& view,
                       const glm::mat4& proj);

    ImageTexture* texture = nullptr;
    float objectScalar = 0.0f;
    UniformBufferObject uniforms;
    std::vector<MappedBuffer> materialBuffers;
    std::vector<MappedBuffer> environmentUniformBuffers;
    std::vector<VkDescriptorSet> environmentDescriptorSets;
    UniformBufferObject environmentUniforms;
};
