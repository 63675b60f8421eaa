#pragma once

#include <vulkan/vulkan.h>

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What the device choice knows of one device, read from the driver before any
// logical device exists. Without a window nothing is presented, and the three
// presentation facts count as met.
struct DeviceFacts {
    VkPhysicalDeviceProperties properties{};
    VkPhysicalDeviceFeatures features{};
    bool graphicsQueue = false;
    // One of its queue families can present to the window.
    bool presentation = false;
    bool swapChainExtension = false;
    // The window's surface offers it at least one format and one present mode.
    bool surfaceOffers = false;
};

// Why the device cannot draw the demo, worded as the note printed when it is
// passed over; empty when it can.
std::string unsuitability(const DeviceFacts& device);

// The index of the device to draw with: `requested` if it can, otherwise, with
// none requested, the first in list order that can. Every device looked at and
// passed over leaves its note on `notes`. Nothing when no device qualifies.
std::optional<size_t> chooseDevice(const std::vector<DeviceFacts>& devices, std::optional<size_t> requested,
                                   std::ostream& notes);
