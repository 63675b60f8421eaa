#pragma once

#include "constants/FramesInFlight.h"

#include <vulkan/vulkan.h>

#include <array>

// What one frame in flight records into, submits and waits on. The Renderer
// holds MAX_FRAMES_IN_FLIGHT of them and works in slot currentFrame.
struct FrameSlot {
    VkCommandBuffer computeCommands = VK_NULL_HANDLE;
    VkCommandBuffer cubemapCommands = VK_NULL_HANDLE;
    VkCommandBuffer gBufferCommands = VK_NULL_HANDLE;
    // The lighting pass.
    VkCommandBuffer drawCommands = VK_NULL_HANDLE;

    VkSemaphore imageAvailable = VK_NULL_HANDLE;
    VkSemaphore computeFinished = VK_NULL_HANDLE;
    VkSemaphore envFinished = VK_NULL_HANDLE;
    VkSemaphore defFinished = VK_NULL_HANDLE;

    // Signalled by the frame's last submission, the lighting pass: all of the
    // frame's work comes before it on the one queue, so once it is signalled
    // every buffer, image and command buffer of the slot is free again.
    VkFence inFlight = VK_NULL_HANDLE;

    // The faces of the cube set this slot's environment pass draws into: the
    // set of the slot the previous frame used, so the cube this slot samples is
    // never the one being drawn.
    std::array<VkFramebuffer, 6> cubeFaceFramebuffers{};
};
