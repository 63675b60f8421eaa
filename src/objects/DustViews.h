#pragma once

#include "base/BufferUtils.h"
#include "base/MappedBuffer.h"
#include "constants/DustViews.h"
#include "objects/ParticleSystem.h"
#include "pipelines/Pipeline.h"

#include <glm/glm.hpp>

#include <vector>

// One view that draws the dust, as its list is made: the particles' model, then the view (the
// face's after the camera's), and the projection.
struct DustView {
    glm::mat4 viewFromModel;
    glm::mat4 proj;
};

// For each frame in flight, the lists of the particles that each view drawing the dust may see,
// and one indirect draw per list. The device makes them (dust_views.comp) from the frame's
// particle state, so that a view's draw gives the geometry shader only the points it may emit.
class DustViews {
public:
    DustViews() = default;
    DustViews(BufferUtils bufferUtils, const Pipeline* listPipeline, const ParticleSystem& system);

    // The descriptors of the listing pipeline's set: the views, the particles, the carriers, the
    // lists and the draws.
    static std::vector<VkDescriptorType> listBindings();

    // Makes the lists of the given views (at most DUST_VIEW_LIMIT) after the frame's particle
    // step, and orders them before the draws that read them; view i's draw is draw(…, i).
    void record(VkCommandBuffer commandBuffer, uint32_t frame, const std::vector<DustView>& views) const;
    // Draws the particles of view i's list with the bound pipeline.
    void draw(VkCommandBuffer commandBuffer, uint32_t frame, uint32_t view) const;

    // The frame's indirect draws, DUST_VIEW_LIMIT VkDrawIndexedIndirectCommand, and lists, each
    // view's starting at the view times the number of carriers; both can be read back.
    VkBuffer getDrawBuffer(uint32_t frame) const { return drawBuffers.at(frame); }
    VkBuffer getListBuffer(uint32_t frame) const { return listBuffers.at(frame); }

    void cleanup();

private:
    void createBuffers(uint32_t carrierCount);
    void createDescriptorSets(const ParticleSystem& system);

    BufferUtils bufferUtils;
    VkDevice device = VK_NULL_HANDLE;
    const Pipeline* pipeline = nullptr;
    std::vector<MappedBuffer> viewRecords;
    std::vector<VkBuffer> listBuffers;
    std::vector<VkBuffer> drawBuffers;
    std::vector<VkDeviceMemory> bufferMemory;
    VkDescriptorPool descriptorPool = VK_NULL_HANDLE;
    std::vector<VkDescriptorSet> descriptorSets;
};
