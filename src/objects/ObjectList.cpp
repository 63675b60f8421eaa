#include "objects/ObjectList.h"

ObjectList::ObjectList(Pipeline* imagePipeline)
    : pipeline(imagePipeline->getPipeline()), pipelineLayout(imagePipeline->getPipelineLayout())
{
}

void ObjectList::update(float time, float deltaTime, uint32_t currentFrame, Camera* camera)
{
    for (ImageObject* object : objects) {
        object->update(time, deltaTime, currentFrame, camera);
    }
}

void ObjectList::updateWithViewProj(float time, float deltaTime, uint32_t currentFrame, glm::mat4 view, glm::mat4 proj)
{
    for (ImageObject* object : objects) {
        object->updateWithViewProj(time, deltaTime, currentFrame, view, proj);
    }
}

void ObjectList::cleanup()
{
    for (ImageObject* object : objects) {
        object->cleanup();
    }
}
