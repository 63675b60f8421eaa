#include "renderer/Renderer.h"

#include "scene/Camera.h"
#include "renderer/CubeFaceViews.h"
#include "objects/CubemapObject.h"
#include "objects/DefferedDrawObject.h"
#include "objects/ObjectList.h"
#include "objects/ParticleObject.h"

#include <glm/gtc/matrix_transform.hpp>

#include <stdexcept>

namespace {

VkSubmitInfo submitInfoFor(const VkCommandBuffer& commandBuffer, uint32_t waitCount, const VkSemaphore* waitSemaphores,
                           const VkPipelineStageFlags* waitStages, const VkSemaphore* signalSemaphore)
{
    VkSubmitInfo submitInfo{};
    submitInfo.sType = VK_STRUCTURE_TYPE_SUBMIT_INFO;
    submitInfo.waitSemaphoreCount = waitCount;
    submitInfo.pWaitSemaphores = waitSemaphores;
    submitInfo.pWaitDstStageMask = waitStages;
    submitInfo.commandBufferCount = 1;
    submitInfo.pCommandBuffers = &commandBuffer;
    submitInfo.signalSemaphoreCount = 1;
    submitInfo.pSignalSemaphores = signalSemaphore;
    return submitInfo;
}

} // namespace

void Renderer::waitAndReset(VkFence fence) const
{
    vkWaitForFences(device, 1, &fence, VK_TRUE, UINT64_MAX);
    vkResetFences(device, 1, &fence);
}

void Renderer::submitCompute(ParticleObject& particles)
{
    waitAndReset(computeInFlightFences[currentFrame]);
    vkResetCommandBuffer(computeCommandBuffers[currentFrame], 0);
    recordComputeCommandBuffer(computeCommandBuffers[currentFrame], particles);

    VkSubmitInfo submitInfo = submitInfoFor(computeCommandBuffers[currentFrame], 0, nullptr, nullptr,
                                            &computeFinishedSemaphores[currentFrame]);
    if (vkQueueSubmit(computeQueue, 1, &submitInfo, computeInFlightFences[currentFrame]) != VK_SUCCESS) {
        throw std::runtime_error("failed to submit compute command buffer!");
    }
}

void Renderer::submitEnvironmentPass(ObjectList& objects, float t, float dt, CubemapObject& skybox,
                                     CubemapObject& envCube, ParticleObject& particles)
{
    const uint32_t f = currentFrame;
    vkResetFences(device, 1, &envInFlightFences[f]);
    vkResetCommandBuffer(cubemapCommandBuffers[f], 0);

    const glm::mat4 projMat = cubeFaceProjection();
    const glm::mat4 identity(1.0f);
    objects.updateWithViewProj(t, dt, f, identity, projMat);
    skybox.updateAsSkyboxWithViewProj(f, identity, projMat);
    particles.updateWithViewProj(t, dt, f, identity, projMat);

    recordCubemapCommandBuffer(cubemapCommandBuffers[f], cubemapFramebuffers[1 - f], objects, skybox, envCube,
                               particles);

    VkSemaphore waitSemaphores[] = {computeFinishedSemaphores[f]};
    VkPipelineStageFlags waitStages[] = {VK_PIPELINE_STAGE_VERTEX_INPUT_BIT};
    VkSemaphore signalSemaphores[] = {envFinishedSemaphores[f]};
    VkSubmitInfo envSubmitInfo =
        submitInfoFor(cubemapCommandBuffers[f], 1, waitSemaphores, waitStages, signalSemaphores);
    if (vkQueueSubmit(graphicsQueue, 1, &envSubmitInfo, envInFlightFences[f]) != VK_SUCCESS) {
        throw std::runtime_error("failed to submit cubemap command buffer!");
    }
    vkWaitForFences(device, 1, &envInFlightFences[f], VK_TRUE, UINT64_MAX);
}

void Renderer::submitDeferredPass(ObjectList& objects, Camera* camera, float t, float dt, CubemapObject& skybox,
                                  CubemapObject& envCube, ParticleObject& particles)
{
    const uint32_t f = currentFrame;
    objects.update(t, dt, f, camera);
    skybox.updateAsSkybox(f, camera);
    particles.updateWithViewProj(t, dt, f, camera->view, camera->proj);

    vkResetFences(device, 1, &defInFlightFences[f]);
    vkResetCommandBuffer(commandBuffers[f], 0);
    recordDeferredCommandBuffer(commandBuffers[f], f, objects, skybox, envCube, particles);

    VkSemaphore defWaitSemaphores[] = {envFinishedSemaphores[f]};
    VkPipelineStageFlags defWaitStages[] = {VK_PIPELINE_STAGE_VERTEX_INPUT_BIT};
    VkSemaphore defSignalSemaphores[] = {defFinishedSemaphores[f]};
    VkSubmitInfo defSubmitInfo =
        submitInfoFor(commandBuffers[f], 1, defWaitSemaphores, defWaitStages, defSignalSemaphores);
    if (vkQueueSubmit(graphicsQueue, 1, &defSubmitInfo, defInFlightFences[f]) != VK_SUCCESS) {
        throw std::runtime_error("failed to submit cubemap command buffer!");
    }
    vkWaitForFences(device, 1, &defInFlightFences[f], VK_TRUE, UINT64_MAX);
}

void Renderer::submitPresentationPass(uint32_t imageIndex, DefferedDrawObject& deferredObject, DisplayMode displayMode)
{
    const uint32_t f = currentFrame;
    vkResetFences(device, 1, &inFlightFences[f]);
    vkResetCommandBuffer(commandBuffers[f], 0);
    recordDrawCommandBuffer(commandBuffers[f], imageIndex, deferredObject, displayMode);

    VkSemaphore drawWaitSemaphores[] = {defFinishedSemaphores[f], imageAvailableSemaphores[f]};
    VkPipelineStageFlags drawWaitStages[] = {VK_PIPELINE_STAGE_VERTEX_INPUT_BIT,
                                             VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT};
    VkSemaphore drawSignalSemaphores[] = {renderFinishedSemaphores[imageIndex]};
    VkSubmitInfo submitInfo =
        submitInfoFor(commandBuffers[f], 2, drawWaitSemaphores, drawWaitStages, drawSignalSemaphores);
    if (vkQueueSubmit(graphicsQueue, 1, &submitInfo, inFlightFences[f]) != VK_SUCCESS) {
        throw std::runtime_error("failed to submit draw command buffer!");
    }
}

void Renderer::drawFrame(ObjectList& objects, Camera* camera, float t, float dt, CubemapObject& skybox,
                         CubemapObject& envCube, ParticleObject& particles, DefferedDrawObject& deferredObject,
                         DisplayMode displayMode)
{
    const uint32_t f = currentFrame;
    vkWaitForFences(device, 1, &inFlightFences[f], VK_TRUE, UINT64_MAX);

    submitEnvironmentPass(objects, t, dt, skybox, envCube, particles);
    submitDeferredPass(objects, camera, t, dt, skybox, envCube, particles);

    uint32_t imageIndex;
    VkResult result = frameTarget->acquire(imageAvailableSemaphores[f], imageIndex);
    if (result == VK_ERROR_OUT_OF_DATE_KHR) {
        resetDefFinishedSemaphore(f);
        recreateSwapChain();
        return;
    }
    if (result != VK_SUCCESS && result != VK_SUBOPTIMAL_KHR) {
        throw std::runtime_error("failed to acquire swap chain image!");
    }

    submitPresentationPass(imageIndex, deferredObject, displayMode);

    result = frameTarget->present(renderFinishedSemaphores[imageIndex], imageIndex);
    if (result == VK_ERROR_OUT_OF_DATE_KHR || result == VK_SUBOPTIMAL_KHR || framebufferResized) {
        framebufferResized = false;
        recreateSwapChain();
    } else if (result != VK_SUCCESS) {
        throw std::runtime_error("failed to present swap chain image!");
    }
    currentFrame = (currentFrame + 1) % MAX_FRAMES_IN_FLIGHT;
}
