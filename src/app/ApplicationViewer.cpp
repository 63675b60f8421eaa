#include "app/Application.h"

#include "app/Screenshots.h"

#include <iostream>

namespace {

constexpr double seekStep = 5.0;

std::string deviceName(VkPhysicalDevice physicalDevice)
{
    VkPhysicalDeviceProperties properties;
    vkGetPhysicalDeviceProperties(physicalDevice, &properties);
    return properties.deviceName;
}

} // namespace

void Application::initViewer(bool overlayShown)
{
    overlay.init(window, renderer, bufferUtils);
    overlayState.deviceName = deviceName(renderer.getPhysicalDevice());
    overlayTimestamps = GpuTimestamps(renderer.getDevice(), renderer.getPhysicalDevice(), MAX_FRAMES_IN_FLIGHT);
    controls.overlayShown = overlayShown;
    lastFrameClock = glfwGetTime();
}

void Application::applyTimelineKeys(Timeline& timeline)
{
    if (controls.pauseToggled) {
        timeline.togglePause();
        controls.pauseToggled = false;
    }
    if (controls.seekSteps != 0) {
        timeline.seek(seekStep * controls.seekSteps);
        controls.seekSteps = 0;
    }
    paused = timeline.isPaused();
}

// The overlay and its timestamps are attached only while it is shown, so the
// default frame records exactly the commands it always did.
void Application::prepareOverlay(float t, DisplayMode displayMode)
{
    const double now = glfwGetTime();
    overlayState.addFrameTime(static_cast<float>(1000.0 * (now - lastFrameClock)));
    lastFrameClock = now;
    if (!controls.overlayShown) {
        // A driver of the frames (the benchmark) may have attached timestamps of its own.
        if (overlayAttached) {
            renderer.attachOverlay(nullptr);
            renderer.attachTimestamps(nullptr);
            overlayAttached = false;
        }
        return;
    }
    overlayState.passTimes = overlayTimestamps.read(previousFrameSlot(renderer.getCurrentFrame()));
    overlayState.time = t;
    overlayState.displayMode = displayMode;
    overlayState.freeCamera = controls.freeCameraMode;
    overlayState.paused = paused;
    overlay.build(overlayState);
    renderer.attachOverlay(&overlay);
    renderer.attachTimestamps(overlayTimestamps.isSupported() ? &overlayTimestamps : nullptr);
    overlayAttached = true;
}

// A screenshot that cannot be written is reported and the demo goes on.
void Application::saveRequestedScreenshot(float t)
{
    FrameTarget& target = renderer.getFrameTarget();
    // A frame given up for a swap-chain rebuild read nothing back: the next one will.
    if (!controls.screenshotRequested || target.isReadBackPending()) {
        return;
    }
    controls.screenshotRequested = false;
    if (!target.canReadBack()) {
        return;
    }
    try {
        const auto file = saveScreenshot(startFolder / "screenshots", t, target.lastReadBack());
        std::cout << "Screenshot saved: " << file.string() << std::endl;
    } catch (const std::exception& e) {
        std::cerr << "Screenshot not saved: " << e.what() << std::endl;
    }
}

void Application::cleanupViewer()
{
    overlay.cleanup();
    overlayTimestamps.cleanup();
}
