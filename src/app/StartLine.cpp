#include "app/StartLine.h"

#include "constants/ProgramInfo.h"
#include "renderer/DeviceDescription.h"
#include "renderer/PresentModeNames.h"

std::string startLine(const Renderer& renderer, const std::string& surfaceKind)
{
    VkPhysicalDeviceProperties properties;
    vkGetPhysicalDeviceProperties(renderer.getPhysicalDevice(), &properties);
    const VkExtent2D extent = renderer.getSwapChainExtent();
    const std::optional<VkPresentModeKHR> presentMode = renderer.getPresentMode();
    return std::string(programName) + " " + programVersion + " on " + properties.deviceName + ", " +
           deviceTypeName(properties.deviceType) + ", driver " + driverVersionText(properties) + ", Vulkan " +
           apiVersionText(properties.apiVersion) + ", present mode " +
           (presentMode ? presentModeName(*presentMode) : "none") + ", " + std::to_string(extent.width) + "x" +
           std::to_string(extent.height) + " " + surfaceKind + ", validation " +
           (renderer.isValidated() ? "on" : "off");
}
