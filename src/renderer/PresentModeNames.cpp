#include "renderer/PresentModeNames.h"

std::optional<VkPresentModeKHR> presentModeNamed(const std::string& name)
{
    for (VkPresentModeKHR mode : {VK_PRESENT_MODE_FIFO_KHR, VK_PRESENT_MODE_MAILBOX_KHR, VK_PRESENT_MODE_IMMEDIATE_KHR}) {
        if (presentModeName(mode) == name) {
            return mode;
        }
    }
    return std::nullopt;
}

std::string presentModeName(VkPresentModeKHR mode)
{
    switch (mode) {
    case VK_PRESENT_MODE_IMMEDIATE_KHR:
        return "immediate";
    case VK_PRESENT_MODE_MAILBOX_KHR:
        return "mailbox";
    case VK_PRESENT_MODE_FIFO_KHR:
        return "fifo";
    case VK_PRESENT_MODE_FIFO_RELAXED_KHR:
        return "fifo_relaxed";
    case VK_PRESENT_MODE_SHARED_DEMAND_REFRESH_KHR:
        return "shared_demand_refresh";
    case VK_PRESENT_MODE_SHARED_CONTINUOUS_REFRESH_KHR:
        return "shared_continuous_refresh";
    default:
        return "mode " + std::to_string(static_cast<int>(mode));
    }
}

std::string presentModeList(const std::vector<VkPresentModeKHR>& modes)
{
    std::string list;
    for (size_t i = 0; i < modes.size(); i++) {
        if (i > 0) {
            list += i + 1 == modes.size() ? " and " : ", ";
        }
        list += presentModeName(modes[i]);
    }
    return list.empty() ? "none" : list;
}
