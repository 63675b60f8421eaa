#include "renderer/DeviceChoice.h"

std::string unsuitability(const DeviceFacts& device)
{
    // The features come first: their notes are the ones users know.
    if (!device.features.samplerAnisotropy) {
        return "Anisotropic filtering is not supported on this device.";
    }
    if (!device.features.independentBlend) {
        return "Independent blending is not supported on this device.";
    }
    // The particles are expanded into sprites by a geometry shader.
    if (!device.features.geometryShader) {
        return "Geometry shaders are not supported on this device.";
    }
    if (!device.graphicsQueue) {
        return "Graphics queues are not supported on this device.";
    }
    if (!device.presentation) {
        return "Presenting to this window is not supported on this device.";
    }
    if (!device.swapChainExtension) {
        return "The swap-chain extension is not supported on this device.";
    }
    if (!device.surfaceOffers) {
        return "The window's surface offers no format or present mode on this device.";
    }
    return {};
}

std::optional<size_t> chooseDevice(const std::vector<DeviceFacts>& devices, std::optional<size_t> requested,
                                   std::ostream& notes)
{
    const size_t first = requested.value_or(0);
    const size_t end = requested ? first + 1 : devices.size();
    for (size_t i = first; i < end && i < devices.size(); i++) {
        const std::string reason = unsuitability(devices[i]);
        if (reason.empty()) {
            return i;
        }
        notes << reason << '\n';
    }
    return std::nullopt;
}
