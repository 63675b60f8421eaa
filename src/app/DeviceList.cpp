#include "app/DeviceList.h"

#include "renderer/DeviceDescription.h"

#include <sstream>

void printDeviceList(std::ostream& out, const std::vector<DeviceFacts>& devices)
{
    if (devices.empty()) {
        out << "The Vulkan driver lists no device.\n";
        return;
    }
    std::ostringstream passedOver;
    const std::optional<size_t> chosen = chooseDevice(devices, std::nullopt, passedOver);
    for (size_t i = 0; i < devices.size(); i++) {
        const VkPhysicalDeviceProperties& properties = devices[i].properties;
        out << i << ": " << properties.deviceName << ", " << deviceTypeName(properties.deviceType) << ", driver "
            << driverVersionText(properties) << ", Vulkan " << apiVersionText(properties.apiVersion) << ", ";
        const std::string reason = unsuitability(devices[i]);
        if (reason.empty()) {
            out << (chosen == i ? "suitable, the default" : "suitable") << '\n';
        } else {
            out << "not suitable: " << reason << '\n';
        }
    }
}
