#pragma once

#include <vulkan/vulkan.h>

#include <optional>
#include <string>
#include <vector>

// The present modes by the names people choose them with: "fifo" (vsync),
// "mailbox" and "immediate". Nothing for any other name.
std::optional<VkPresentModeKHR> presentModeNamed(const std::string& name);

// The name of any mode a surface may offer, e.g. "fifo_relaxed".
std::string presentModeName(VkPresentModeKHR mode);

// "fifo, mailbox and immediate": the names of `modes`, in their order.
std::string presentModeList(const std::vector<VkPresentModeKHR>& modes);
