#include "renderer/Renderer.h"

#include "base/ResultCheck.h"

#include "renderer/CubeFaceViews.h"
#include "objects/CubemapObject.h"
#include "objects/DefferedDrawObject.h"
#include "objects/ObjectList.h"
#include "objects/ParticleObject.h"

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

void Renderer::waitForCurrentFrame()
{
    if (slotWaited) {
        return;
    }
    vkWaitForFences(device, 1, &frames[currentFrame].inFlight, VK_TRUE, UINT64_MAX);
    hostWaitCount++;
    slotWaited = true;
}

void Renderer::submitCompute(ParticleObject& particles)
{
    waitForCurrentFrame();
    FrameSlot& slot = frames[currentFrame];
    vkResetCommandBuffer(slot.computeCommands, 0);
    recordComputeCommandBuffer(slot.computeCommands, particles);

    VkSubmitInfo submitInfo = submitInfoFor(slot.computeCommands, 0, nullptr, nullptr, &slot.computeFinished);
    checkResult(vkQueueSubmit(computeQueue, 1, &submitInfo, VK_NULL_HANDLE),
                "failed to submit compute command buffer!");
}

// The environment's records are apart from the camera's, which update() wrote
// for the G-buffer pass of the same frame.
void Renderer::submitEnvironmentPass(ObjectList& objects, float t, float dt, CubemapObject& skybox,
                                     CubemapObject& envCube, ParticleObject& particles)
{
    const uint32_t f = currentFrame;
    FrameSlot& slot = frames[f];
    vkResetCommandBuffer(slot.cubemapCommands, 0);

    const glm::mat4 projMat = cubeFaceProjection();
    const glm::mat4 identity(1.0f);
    objects.updateWithViewProj(t, dt, f, identity, projMat);
    skybox.updateAsSkyboxWithViewProj(f, identity, projMat);
    particles.updateWithViewProj(t, dt, f, identity, projMat);

    recordCubemapCommandBuffer(slot.cubemapCommands, slot.cubeFaceFramebuffers, objects, skybox, envCube, particles);

    VkSemaphore waitSemaphores[] = {slot.computeFinished};
    // The dust's lists are made from the particle state first.
    VkPipelineStageFlags waitStages[] = {VK_PIPELINE_STAGE_COMPUTE_SHADER_BIT | VK_PIPELINE_STAGE_VERTEX_INPUT_BIT};
    VkSemaphore signalSemaphores[] = {slot.envFinished};
    VkSubmitInfo envSubmitInfo = submitInfoFor(slot.cubemapCommands, 1, waitSemaphores, waitStages, signalSemaphores);
    checkResult(vkQueueSubmit(graphicsQueue, 1, &envSubmitInfo, VK_NULL_HANDLE),
                "failed to submit cubemap command buffer!");
}

void Renderer::submitDeferredPass(ObjectList& objects, CubemapObject& skybox, CubemapObject& envCube,
                                  ParticleObject& particles)
{
    const uint32_t f = currentFrame;
    FrameSlot& slot = frames[f];
    vkResetCommandBuffer(slot.gBufferCommands, 0);
    recordDeferredCommandBuffer(slot.gBufferCommands, f, objects, skybox, envCube, particles);

    VkSemaphore defWaitSemaphores[] = {slot.envFinished};
    VkPipelineStageFlags defWaitStages[] = {VK_PIPELINE_STAGE_VERTEX_INPUT_BIT};
    VkSemaphore defSignalSemaphores[] = {slot.defFinished};
    VkSubmitInfo defSubmitInfo =
        submitInfoFor(slot.gBufferCommands, 1, defWaitSemaphores, defWaitStages, defSignalSemaphores);
    checkResult(vkQueueSubmit(graphicsQueue, 1, &defSubmitInfo, VK_NULL_HANDLE),
                "failed to submit cubemap command buffer!");
}

void Renderer::submitPresentationPass(uint32_t imageIndex, DefferedDrawObject& deferredObject, DisplayMode displayMode)
{
    const uint32_t f = currentFrame;
    FrameSlot& slot = frames[f];
    vkResetFences(device, 1, &slot.inFlight);
    vkResetCommandBuffer(slot.drawCommands, 0);
    recordDrawCommandBuffer(slot.drawCommands, imageIndex, deferredObject, displayMode);

    VkSemaphore drawWaitSemaphores[] = {slot.defFinished, slot.imageAvailable};
    VkPipelineStageFlags drawWaitStages[] = {VK_PIPELINE_STAGE_VERTEX_INPUT_BIT,
                                             VK_PIPELINE_STAGE_COLOR_ATTACHMENT_OUTPUT_BIT};
    VkSemaphore drawSignalSemaphores[] = {renderFinishedSemaphores[imageIndex]};
    VkSubmitInfo submitInfo =
        submitInfoFor(slot.drawCommands, 2, drawWaitSemaphores, drawWaitStages, drawSignalSemaphores);
    checkResult(vkQueueSubmit(graphicsQueue, 1, &submitInfo, slot.inFlight), "failed to submit draw command buffer!");
}

// The three passes go to the queue one after the other, chained by semaphores,
// without the host waiting between them: each reads records of its own.
void Renderer::drawFrame(ObjectList& objects, float t, float dt, CubemapObject& skybox, CubemapObject& envCube,
                         ParticleObject& particles, DefferedDrawObject& deferredObject, DisplayMode displayMode)
{
    const uint32_t f = currentFrame;
    FrameSlot& slot = frames[f];
    waitForCurrentFrame();
    recordingCounts = DrawCounts{};

    submitEnvironmentPass(objects, t, dt, skybox, envCube, particles);
    submitDeferredPass(objects, skybox, envCube, particles);

    uint32_t imageIndex;
    VkResult result = frameTarget->acquire(slot.imageAvailable, imageIndex);
    if (result == VK_ERROR_OUT_OF_DATE_KHR) {
        resetDefFinishedSemaphore(f);
        recreateSwapChain();
        return;
    }
    if (result != VK_SUCCESS && result != VK_SUBOPTIMAL_KHR) {
        throw std::runtime_error("failed to acquire swap chain image!");
    }

    submitPresentationPass(imageIndex, deferredObject, displayMode);
    lastFrameCounts = recordingCounts;

    result = frameTarget->present(renderFinishedSemaphores[imageIndex], imageIndex);
    if (result == VK_ERROR_OUT_OF_DATE_KHR || result == VK_SUBOPTIMAL_KHR || framebufferResized) {
        framebufferResized = false;
        recreateSwapChain();
    } else
        checkResult(result, "failed to present swap chain image!");
    currentFrame = (currentFrame + 1) % MAX_FRAMES_IN_FLIGHT;
    slotWaited = false;
}
