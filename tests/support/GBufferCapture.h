#pragma once

#include "objects/CubemapObject.h"
#include "base/BufferUtils.h"

#include <glm/glm.hpp>

#include <array>
#include <vector>

// What the G-buffer pass left in the targets the cube tests read: the albedo,
// the normal (its w the surface kind) and the world position.
struct GBufferPixels {
    std::vector<glm::u8vec4> albedo;
    std::vector<glm::vec4> normal;
    std::vector<glm::vec4> position;
};

// The G-buffer pass drawing one cube object into square targets of its own,
// which, unlike the renderer's, can be copied back to the host.
class GBufferCapture {
public:
    static constexpr uint32_t size = 160;

    explicit GBufferCapture(BufferUtils bufferUtils);
    ~GBufferCapture();
    GBufferCapture(const GBufferCapture&) = delete;
    GBufferCapture& operator=(const GBufferCapture&) = delete;

    VkRenderPass renderPass() const { return gBufferPass; }

    // Clears the targets and draws the object with frame `frame`'s descriptor
    // set and an identity push matrix, as the frame records the G-buffer pass.
    void draw(CubemapObject& object, uint32_t frame) const;
    GBufferPixels read() const;

private:
    struct Target {
        VkImage image = VK_NULL_HANDLE;
        VkDeviceMemory memory = VK_NULL_HANDLE;
        VkImageView view = VK_NULL_HANDLE;
    };

    std::vector<char> readTarget(size_t index, VkDeviceSize pixelSize) const;
    std::vector<glm::vec4> readHalfFloatTarget(size_t index) const;

    BufferUtils bufferUtils;
    VkDevice device;
    VkRenderPass gBufferPass = VK_NULL_HANDLE;
    std::array<Target, 6> targets{};
    VkFramebuffer framebuffer = VK_NULL_HANDLE;
};
