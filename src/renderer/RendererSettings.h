#pragma once

#include <vulkan/vulkan.h>

#include <cstdint>
#include <optional>

// What the person starting the program may choose about the Vulkan side.
struct RendererSettings {
    // Off only for timing on a GPU.
    bool validation = true;
    // Also the validation layer's and the loader's messages of verbose severity.
    bool verbose = false;
    // An index into the driver's device list; unset, the first suitable device.
    std::optional<uint32_t> device;
    // Unset, mailbox where the surface offers it, else FIFO.
    std::optional<VkPresentModeKHR> presentMode;
};
