#pragma once

#include "app/OverlayState.h"
#include "base/BufferUtils.h"
#include "renderer/PresentationOverlay.h"
#include "renderer/Renderer.h"

// The on-screen overlay (F2): frame rate and frame-time graph, the GPU time of
// each pass, the device, the timeline, the display mode, the camera and the
// keys, drawn with Dear ImGui into the presentation pass.
class Overlay : public PresentationOverlay {
public:
    // After the renderer and the window's input callbacks are set up: ImGui's
    // GLFW callbacks pass every event on to those.
    void init(GLFWwindow* window, Renderer& renderer, const BufferUtils& bufferUtils);
    // Lays out this frame's overlay; record() then draws it.
    void build(const OverlayState& state);
    void record(VkCommandBuffer commandBuffer) override;
    // Whether the pointer is over the overlay, so a click belongs to it.
    bool wantsMouse() const;
    void cleanup();

private:
    void createDescriptorPool(VkDevice device);
    void uploadFonts(const BufferUtils& bufferUtils);

    VkDevice device = VK_NULL_HANDLE;
    VkDescriptorPool descriptorPool = VK_NULL_HANDLE;
    bool initialised = false;
};
