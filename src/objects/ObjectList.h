#pragma once

#include "objects/ImageObject.h"

#include <vector>

// The meshes drawn with the main mesh pipeline; updates and cleanup go to each in turn.
class ObjectList {
public:
    ObjectList() = default;
    explicit ObjectList(Pipeline* imagePipeline);

    void add(ImageObject* object) { objects.push_back(object); }
    void update(float time, float deltaTime, uint32_t currentFrame, Camera* camera);
    void updateWithViewProj(float time, float deltaTime, uint32_t currentFrame, glm::mat4 view, glm::mat4 proj);
    void cleanup();

    const std::vector<ImageObject*>& getObjects() const { return objects; }
    VkPipeline getPipeline() const { return pipeline; }
    VkPipelineLayout getPipelineLayout() const { return pipelineLayout; }

private:
    std::vector<ImageObject*> objects;
    VkPipeline pipeline = VK_NULL_HANDLE;
    VkPipelineLayout pipelineLayout = VK_NULL_HANDLE;
};
