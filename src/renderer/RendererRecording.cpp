#include "renderer/Renderer.h"
#include "renderer/PresentationOverlay.h"

#include "base/ResultCheck.h"
#include "renderer/CubeFaceViews.h"
#include "renderer/DrawOrder.h"
#include "renderer/GpuTimestamps.h"
#include "renderer/MeshDraw.h"
#include "renderer/ViewFrustum.h"
#include "renderer/WorkGroups.h"

#include "objects/CubemapObject.h"
#include "objects/DefferedDrawObject.h"
#include "objects/ImageObject.h"
#include "objects/ObjectList.h"
#include "objects/ParticleObject.h"
#include "objects/PlumeBounds.h"
#include "textures/DynEnvironmentTexture.h"

#include <algorithm>
#include <stdexcept>

namespace {

void beginRecording(VkCommandBuffer commandBuffer, const char* failureMessage)
{
    VkCommandBufferBeginInfo beginInfo{};
    beginInfo.sType = VK_STRUCTURE_TYPE_COMMAND_BUFFER_BEGIN_INFO;
    checkResult(vkBeginCommandBuffer(commandBuffer, &beginInfo), failureMessage);
}

void endRecording(VkCommandBuffer commandBuffer, const char* failureMessage)
{
    checkResult(vkEndCommandBuffer(commandBuffer), failureMessage);
}

void beginRenderPass(VkCommandBuffer commandBuffer, VkRenderPass renderPass, VkFramebuffer framebuffer,
                     VkExtent2D extent, uint32_t colorAttachmentCount)
{
    std::vector<VkClearValue> clearValues(colorAttachmentCount + 1);
    for (uint32_t i = 0; i < colorAttachmentCount; i++) {
        clearValues[i].color = {{0.0f, 0.0f, 0.0f, 1.0f}};
    }
    clearValues[colorAttachmentCount].depthStencil = {1.0f, 0};

    VkRenderPassBeginInfo renderPassInfo{};
    renderPassInfo.sType = VK_STRUCTURE_TYPE_RENDER_PASS_BEGIN_INFO;
    renderPassInfo.renderPass = renderPass;
    renderPassInfo.framebuffer = framebuffer;
    renderPassInfo.renderArea.offset = {0, 0};
    renderPassInfo.renderArea.extent = extent;
    renderPassInfo.clearValueCount = static_cast<uint32_t>(clearValues.size());
    renderPassInfo.pClearValues = clearValues.data();
    vkCmdBeginRenderPass(commandBuffer, &renderPassInfo, VK_SUBPASS_CONTENTS_INLINE);
}

// The timestamp recorder is optional; without one the recordings are unchanged.
void beginTimed(GpuTimestamps* timestamps, VkCommandBuffer commandBuffer, uint32_t frame, TimedPass pass)
{
    if (timestamps != nullptr) {
        timestamps->begin(commandBuffer, frame, pass);
    }
}

void endTimed(const GpuTimestamps* timestamps, VkCommandBuffer commandBuffer, uint32_t frame, TimedPass pass)
{
    if (timestamps != nullptr) {
        timestamps->end(commandBuffer, frame, pass);
    }
}

void setViewportAndScissor(VkCommandBuffer commandBuffer, VkExtent2D extent)
{
    VkViewport viewport{};
    viewport.x = 0.0f;
    viewport.y = 0.0f;
    viewport.width = static_cast<float>(extent.width);
    viewport.height = static_cast<float>(extent.height);
    viewport.minDepth = 0.0f;
    viewport.maxDepth = 1.0f;
    vkCmdSetViewport(commandBuffer, 0, 1, &viewport);

    VkRect2D scissor{};
    scissor.offset = {0, 0};
    scissor.extent = extent;
    vkCmdSetScissor(commandBuffer, 0, 1, &scissor);
}

// The sky is drawn after the opaque meshes with its depth pinned to the far plane: with the
// sky pipeline's LESS_OR_EQUAL test it then lands exactly on the pixels that still hold the
// cleared depth, which are the pixels it showed on when it was drawn first and overdrawn.
void setSkyViewport(VkCommandBuffer commandBuffer, VkExtent2D extent)
{
    VkViewport viewport{};
    viewport.width = static_cast<float>(extent.width);
    viewport.height = static_cast<float>(extent.height);
    viewport.minDepth = 1.0f;
    viewport.maxDepth = 1.0f;
    vkCmdSetViewport(commandBuffer, 0, 1, &viewport);
}

// The objects whose draws in a view are not repeats of an earlier object's (the rock row can
// place one rock twice on the same spot).
std::vector<ImageObject*> withoutRepeats(const std::vector<ImageObject*>& objects, ViewPass pass)
{
    std::vector<ImageObject*> distinct;
    for (ImageObject* object : objects) {
        if (std::none_of(distinct.begin(), distinct.end(),
                         [object, pass](const ImageObject* earlier) { return object->drawsLike(*earlier, pass); })) {
            distinct.push_back(object);
        }
    }
    return distinct;
}

// The objects that move from frame to frame, or those that never do.
std::vector<ImageObject*> objectsThatMove(const std::vector<ImageObject*>& objects, bool moving)
{
    std::vector<ImageObject*> chosen;
    std::copy_if(objects.begin(), objects.end(), std::back_inserter(chosen),
                 [moving](const ImageObject* object) { return object->moves() == moving; });
    return chosen;
}

// The objects drawn in a view and the draws of their parts that the view can see, nearest first.
// The list's update wrote the same view and projection into every object's records of the view.
struct PartsInView {
    std::vector<ImageObject*> objects;
    std::vector<PartDraw> draws;
};

PartsInView partsInView(const std::vector<ImageObject*>& objectList, const glm::mat4& faceView, ViewPass pass)
{
    PartsInView parts{withoutRepeats(objectList, pass), {}};
    if (parts.objects.empty()) {
        return parts;
    }
    std::vector<ViewedMesh> meshes;
    for (ImageObject* object : parts.objects) {
        meshes.push_back({&object->getClusters(), object->getUniforms(pass).model});
    }
    const UniformBufferObject& shared = parts.objects.front()->getUniforms(pass);
    const glm::mat4 eyeFromWorld = faceView * shared.view;
    const glm::vec3 eye(glm::inverse(eyeFromWorld)[3]);
    parts.draws = frontToBack(meshes, shared.proj * eyeFromWorld, eye);
    return parts;
}

// A mesh's buffers and set are bound again only where the draws move on to another mesh.
void drawMeshesFrontToBack(VkCommandBuffer commandBuffer, const std::vector<ImageObject*>& objectList,
                           VkPipelineLayout layout, uint32_t frame, const glm::mat4& faceView, ViewPass pass,
                           DrawCounts& counts)
{
    const PartsInView parts = partsInView(objectList, faceView, pass);
    const std::vector<ImageObject*>& objects = parts.objects;
    size_t boundMesh = objects.size();
    for (const PartDraw& draw : parts.draws) {
        if (draw.mesh != boundMesh) {
            ImageObject& object = *objects[draw.mesh];
            bindMesh(commandBuffer, object, layout, object.getDescriptorSet(frame, pass));
            boundMesh = draw.mesh;
        }
        vkCmdDrawIndexed(commandBuffer, draw.range.count, 1, draw.range.first, 0, 0);
        counts.indexedTriangles(draw.range.count);
    }
}

// The whole mesh, counted.
template <typename Mesh>
void drawCountedMesh(VkCommandBuffer commandBuffer, Mesh& mesh, VkPipelineLayout layout, VkDescriptorSet descriptorSet,
                     DrawCounts& counts)
{
    drawMesh(commandBuffer, mesh, layout, descriptorSet);
    counts.indexedTriangles(mesh.getIndexCount());
}

bool dustReaches(const ParticleObject& particles, const glm::mat4& particlePush, ViewPass pass)
{
    const UniformBufferObject& uniforms = particles.getDrawUniforms(pass);
    return particles.getCarrierCount() > 0 &&
           ViewFrustum(uniforms.proj * particlePush * uniforms.view * uniforms.model).reaches(plumeBounds());
}

// Nothing is recorded for a view without a list (the plume cannot reach it). The view's list holds
// the particles whose sprites may show in it, by index.
void drawParticles(VkCommandBuffer commandBuffer, ParticleObject& particles, VkPipeline pipeline,
                   VkPipelineLayout layout, const glm::mat4& particlePush, uint32_t frame, ViewPass pass,
                   std::optional<uint32_t> list, DrawCounts& counts)
{
    if (!list) {
        return;
    }
    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, pipeline);
    vkCmdPushConstants(commandBuffer, layout, VK_SHADER_STAGE_GEOMETRY_BIT, 0, sizeof(glm::mat4), &particlePush);
    VkBuffer storageBuffer = particles.getStorageBuffers()[frame];
    VkDeviceSize particleOffsets[] = {0};
    vkCmdBindVertexBuffers(commandBuffer, 0, 1, &storageBuffer, particleOffsets);
    VkDescriptorSet drawSet = particles.getDrawDescriptorSet(frame, pass);
    vkCmdBindDescriptorSets(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, layout, 0, 1, &drawSet, 0, nullptr);
    particles.getDustViews().draw(commandBuffer, frame, *list);
    counts.pointList(particles.getCarrierCount());
}

// The step reads the state that the previous frame's step wrote and overwrites the state that
// step read; the host does not wait between the two, so the queue must.
void orderAfterPreviousStep(VkCommandBuffer commandBuffer)
{
    VkMemoryBarrier barrier{};
    barrier.sType = VK_STRUCTURE_TYPE_MEMORY_BARRIER;
    barrier.srcAccessMask = VK_ACCESS_SHADER_WRITE_BIT;
    barrier.dstAccessMask = VK_ACCESS_SHADER_READ_BIT | VK_ACCESS_SHADER_WRITE_BIT;
    vkCmdPipelineBarrier(commandBuffer, VK_PIPELINE_STAGE_COMPUTE_SHADER_BIT, VK_PIPELINE_STAGE_COMPUTE_SHADER_BIT, 0,
                         1, &barrier, 0, nullptr, 0, nullptr);
}

} // namespace

void Renderer::recordComputeCommandBuffer(VkCommandBuffer commandBuffer, ParticleObject& particles)
{
    beginRecording(commandBuffer, "failed to begin recording compute command buffer!");
    beginTimed(timestamps, commandBuffer, currentFrame, TimedPass::Compute);
    orderAfterPreviousStep(commandBuffer);
    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_COMPUTE, particles.getPipeline());
    VkDescriptorSet computeSet = particles.getDescriptorSet(currentFrame);
    vkCmdBindDescriptorSets(commandBuffer, VK_PIPELINE_BIND_POINT_COMPUTE, particles.getPipelineLayout(), 0, 1,
                            &computeSet, 0, nullptr);
    vkCmdDispatch(commandBuffer, static_cast<uint32_t>(particleWorkGroups(particles.getParticleCount())), 1, 1);
    endTimed(timestamps, commandBuffer, currentFrame, TimedPass::Compute);
    endRecording(commandBuffer, "failed to record compute command buffer!");
}

// Each face is the still faces' copy with what moves drawn over it. The still faces are drawn
// first whenever they are missing or the cube has moved since. A face of the set that already
// holds the copy alone, with nothing moving in it now, is left as it is.
void Renderer::recordCubemapCommandBuffer(VkCommandBuffer commandBuffer,
                                          const std::array<VkFramebuffer, 6>& framebuffers, ObjectList& objectList,
                                          CubemapObject& skybox, CubemapObject& envCube, ParticleObject& particles)
{
    auto* texture = dynamic_cast<DynEnvironmentTexture*>(envCube.getCubemap());
    const auto views = cubeFaceViews(envCube.getPosition());
    const bool drawStill = stillFacesOrigin != envCube.getPosition();
    const std::vector<ImageObject*> stillObjects = objectsThatMove(objectList.getObjects(), false);
    const std::vector<ImageObject*> movingObjects = objectsThatMove(objectList.getObjects(), true);
    const int set = static_cast<int>(previousFrameSlot(currentFrame));
    if (drawStill) {
        facesHoldingStillCopy = {};
    }
    std::array<bool, StillFaces::faceCount>& holdsCopy = facesHoldingStillCopy[static_cast<size_t>(set)];
    std::array<bool, StillFaces::faceCount> touched{};
    std::array<bool, StillFaces::faceCount> moves{};

    beginRecording(commandBuffer, "failed to begin recording command buffer!");
    recordDustLists(commandBuffer, particles, views);
    for (uint32_t face = 0; face < views.size(); face++) {
        moves[face] = !partsInView(movingObjects, views[face], ViewPass::Environment).draws.empty() ||
                      dustLists[face + 1].has_value();
        touched[face] = moves[face] || !holdsCopy[face];
    }
    prepareCubeForCopies(commandBuffer, *texture, set, touched);
    for (uint32_t face = 0; face < views.size(); face++) {
        beginTimed(timestamps, commandBuffer, currentFrame, environmentFace(face));
        if (drawStill) {
            recordStillFace(commandBuffer, face, views[face], stillObjects, skybox, envCube);
        }
        if (!holdsCopy[face]) {
            stillFaces->recordCopy(commandBuffer, face, texture->getImage(set), texture->getDepthImage(set));
        }
        if (touched[face]) {
            recordMovingFace(commandBuffer, framebuffers[face], face, views[face], movingObjects, envCube, particles);
        }
        endTimed(timestamps, commandBuffer, currentFrame, environmentFace(face));
        holdsCopy[face] = !moves[face];
    }
    endRecording(commandBuffer, "failed to record command buffer!");
    stillFacesOrigin = envCube.getPosition();
}

// The lists of the particles each view of the dust may see: the camera's, then the faces' that the
// plume can reach. The camera's record was written before the frame's particle step.
void Renderer::recordDustLists(VkCommandBuffer commandBuffer, ParticleObject& particles,
                               const std::array<glm::mat4, 6>& faceViews)
{
    std::vector<DustView> views;
    const auto listFor = [&](const glm::mat4& particlePush, ViewPass pass) -> std::optional<uint32_t> {
        if (!dustReaches(particles, particlePush, pass)) {
            return std::nullopt;
        }
        const UniformBufferObject& uniforms = particles.getDrawUniforms(pass);
        views.push_back({particlePush * uniforms.view * uniforms.model, uniforms.proj});
        return static_cast<uint32_t>(views.size() - 1);
    };
    dustLists[0] = listFor(glm::mat4(1.0f), ViewPass::Camera);
    for (uint32_t face = 0; face < faceViews.size(); face++) {
        dustLists[face + 1] = listFor(faceViews[face], ViewPass::Environment);
    }
    beginTimed(timestamps, commandBuffer, currentFrame, TimedPass::DustLists);
    particles.getDustViews().record(commandBuffer, currentFrame, views);
    endTimed(timestamps, commandBuffer, currentFrame, TimedPass::DustLists);
}

// Begins a face's pass and draws the given meshes into it, nearest first, seen from the face.
void Renderer::beginFaceWithMeshes(VkCommandBuffer commandBuffer, const FacePass& pass, const glm::mat4& faceView,
                                   const std::vector<ImageObject*>& objects, CubemapObject& envCube)
{
    beginRenderPass(commandBuffer, pass.renderPass, pass.framebuffer, pass.extent, 1);
    setViewportAndScissor(commandBuffer, pass.extent);
    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, envCube.getImageToCubePipeline());
    vkCmdPushConstants(commandBuffer, envCube.getImageToCubePipelineLayout(), VK_SHADER_STAGE_VERTEX_BIT, 0,
                       sizeof(glm::mat4), &faceView);
    drawMeshesFrontToBack(commandBuffer, objects, envCube.getImageToCubePipelineLayout(), currentFrame, faceView,
                          ViewPass::Environment, recordingCounts);
}

// The sky and the meshes that never move, in the order and with the tests with which a face
// drew them among the others: meshes nearest first, then the sky on what is left.
void Renderer::recordStillFace(VkCommandBuffer commandBuffer, uint32_t face, const glm::mat4& faceView,
                               const std::vector<ImageObject*>& stillObjects, CubemapObject& skybox,
                               CubemapObject& envCube)
{
    const VkExtent2D faceExtent = stillFaces->extent();
    beginFaceWithMeshes(commandBuffer, {stillFacesRenderPass, stillFaces->framebuffer(face), faceExtent}, faceView,
                        stillObjects, envCube);

    const glm::mat4 cubemapPush = glm::mat4(glm::mat3(faceView));
    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, envCube.getCubeToCubePipeline());
    vkCmdPushConstants(commandBuffer, envCube.getCubeToCubePipelineLayout(), VK_SHADER_STAGE_VERTEX_BIT, 0,
                       sizeof(glm::mat4), &cubemapPush);
    setSkyViewport(commandBuffer, faceExtent);
    drawCountedMesh(commandBuffer, skybox, envCube.getCubeToCubePipelineLayout(),
                    skybox.getDescriptorSet(currentFrame, ViewPass::Environment), recordingCounts);
    vkCmdEndRenderPass(commandBuffer);
}

// Over the still copy, what moves: meshes on a path and the dust. They meet the still meshes'
// depths as they did when everything was drawn together, and the sky, which writes no depth,
// is covered wherever they land.
void Renderer::recordMovingFace(VkCommandBuffer commandBuffer, VkFramebuffer framebuffer, uint32_t face,
                                const glm::mat4& faceView, const std::vector<ImageObject*>& movingObjects,
                                CubemapObject& envCube, ParticleObject& particles)
{
    beginFaceWithMeshes(commandBuffer, {cubemapRenderPass, framebuffer, stillFaces->extent()}, faceView, movingObjects,
                        envCube);
    drawParticles(commandBuffer, particles, particles.getCubemapPipeline(), particles.getCubemapPipelineLayout(),
                  faceView, currentFrame, ViewPass::Environment, dustLists[face + 1], recordingCounts);
    vkCmdEndRenderPass(commandBuffer);
}

void Renderer::recordDeferredCommandBuffer(VkCommandBuffer commandBuffer, uint32_t frameIndex, ObjectList& objectList,
                                           CubemapObject& skybox, CubemapObject& envCube, ParticleObject& particles)
{
    const glm::mat4 identity(1.0f);
    beginRecording(commandBuffer, "failed to begin recording command buffer!");
    beginTimed(timestamps, commandBuffer, currentFrame, TimedPass::GBuffer);
    beginRenderPass(commandBuffer, deferredRenderPass, deferredFramebuffers[frameIndex], deferredExtent,
                    DefferedTexture::AttachmentCount);

    setViewportAndScissor(commandBuffer, deferredExtent);
    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, objectList.getPipeline());
    // The mesh and the reflective-cube pipelines share this push range, so one
    // push serves both draws below.
    vkCmdPushConstants(commandBuffer, envCube.getPipelineLayout(), VK_SHADER_STAGE_VERTEX_BIT, 0, sizeof(glm::mat4),
                       &identity);
    drawMeshesFrontToBack(commandBuffer, objectList.getObjects(), objectList.getPipelineLayout(), currentFrame,
                          identity, ViewPass::Camera, recordingCounts);

    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, skybox.getPipeline());
    vkCmdPushConstants(commandBuffer, skybox.getPipelineLayout(), VK_SHADER_STAGE_VERTEX_BIT, 0, sizeof(glm::mat4),
                       &identity);
    setSkyViewport(commandBuffer, deferredExtent);
    drawCountedMesh(commandBuffer, skybox, skybox.getPipelineLayout(), skybox.getDescriptorSet(currentFrame),
                    recordingCounts);
    setViewportAndScissor(commandBuffer, deferredExtent);

    drawParticles(commandBuffer, particles, particles.getDrawPipeline(), particles.getDrawPipelineLayout(), identity,
                  currentFrame, ViewPass::Camera, dustLists[0], recordingCounts);

    vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, envCube.getPipeline());
    drawCountedMesh(commandBuffer, envCube, envCube.getPipelineLayout(), envCube.getDescriptorSet(currentFrame),
                    recordingCounts);

    vkCmdEndRenderPass(commandBuffer);
    endTimed(timestamps, commandBuffer, currentFrame, TimedPass::GBuffer);
    endRecording(commandBuffer, "failed to record command buffer!");
}

void Renderer::recordDrawCommandBuffer(VkCommandBuffer commandBuffer, uint32_t imageIndex,
                                       DefferedDrawObject& deferredObject, DisplayMode displayMode)
{
    beginRecording(commandBuffer, "failed to begin recording command buffer!");
    beginTimed(timestamps, commandBuffer, currentFrame, TimedPass::Lighting);
    const VkExtent2D extent = frameTarget->extent();
    beginRenderPass(commandBuffer, renderPass, swapChainFramebuffers[imageIndex], extent, 1);
    // The mode only picks the pipelines: each runs its own mode's work alone.
    setViewportAndScissor(commandBuffer, extent);
    for (VkPipeline pipeline : deferredObject.getPipelinesFor(displayMode)) {
        vkCmdBindPipeline(commandBuffer, VK_PIPELINE_BIND_POINT_GRAPHICS, pipeline);
        drawCountedMesh(commandBuffer, deferredObject, deferredObject.getPipelineLayout(),
                        deferredObject.getDescriptorSet(currentFrame), recordingCounts);
    }
    if (overlay != nullptr && !frameTarget->isReadBackPending()) {
        overlay->record(commandBuffer);
    }

    vkCmdEndRenderPass(commandBuffer);
    endTimed(timestamps, commandBuffer, currentFrame, TimedPass::Lighting);
    endRecording(commandBuffer, "failed to record command buffer!");
}
