#pragma once

#include "constants/FramesInFlight.h"

#include <vulkan/vulkan.h>

#include <array>

// What one frame in flight records into, submits and waits on. The Renderer
// holds MAX_FRAMES_IN_FLIGHT of them and works in slot currentFrame.
struct FrameSlot {
    VkCommandBuffer computeCommands = VK_NULL_HANDLE;
    VkCommandBuffer cubemapCommands = VK_NULL_HANDLE;
    // Recorded twice per frame: the G-buffer pass, then the lighting pass.
    VkCommandBuffer drawCommands = VK_NULL_HANDLE;

    VkSemaphore imageAvailable = VK_NULL_HANDLE;
    VkSemaphore computeFinished = VK_NULL_HANDLE;
    VkSemaphore envFinished = VK_NULL_HANDLE;
    VkSemaphore defFinished = VK_NULL_HANDLE;

    VkFence inFlight = VK_NULL_HANDLE;
    VkFence computeInFlight = VK_NULL_HANDLE;
    VkFence envInFlight = VK_NULL_HANDLE;
    VkFence defInFlight = VK_NULL_HANDLE;

    // The faces of the cube set this slot's environment pass draws into: the
    // set of the slot the previous frame used, whose G-buffer pass has been
    // waited for, so the cube this slot samples is never the one being drawn.
    std::array<VkFramebuffer, 6> cubeFaceFramebuffers{};
};
