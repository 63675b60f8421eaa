#include "app/RunOptions.h"

#include "app/OptionValues.h"
#include "app/Timeline.h"
#include "constants/FullScreenSize.h"
#include "renderer/PresentModeNames.h"

namespace {

StartCamera cameraNamed(const std::string& text)
{
    if (text == "path") {
        return StartCamera::Path;
    }
    if (text == "free") {
        return StartCamera::Free;
    }
    throw badValue("--camera", text, "path or free");
}

VkPresentModeKHR presentMode(const std::string& text)
{
    if (const auto mode = presentModeNamed(text)) {
        return *mode;
    }
    throw badValue("--present-mode", text, "fifo, mailbox or immediate");
}

void addWindowOptions(OptionParser& parser, RunOptions& options)
{
    parser.flag("--fullscreen", "a full-screen window on the primary monitor (the default)",
                [&] { options.fullScreen = true; });
    parser.flag("--windowed", "a decorated, resizable window, 1280x720 unless --size says",
                [&] { options.fullScreen = false; });
    parser.value("--size", "WxH", "the window's size; alone, it asks for a window",
                 [&](const std::string& v) { options.size = sizeWxH("--size", v); });
    parser.value("--present-mode", "MODE", "fifo (vsync), mailbox or immediate; refused if the surface lacks it",
                 [&](const std::string& v) { options.renderer.presentMode = presentMode(v); });
}

void addDeviceOptions(OptionParser& parser, RunOptions& options)
{
    parser.flag("--list-gpus", "list every Vulkan device, whether it can draw the demo, and exit",
                [&] { options.listDevices = true; });
    parser.value("--gpu", "N", "draw with device N of --list-gpus (default: the first that can)",
                 [&](const std::string& v) { options.renderer.device = wholeNumberAtLeast("--gpu", v, 0); });
    parser.flag("--no-validation", "without the validation layer, for timing on a GPU",
                [&] { options.renderer.validation = false; });
    parser.flag("--verbose", "also the validation layer's and the loader's verbose messages",
                [&] { options.renderer.verbose = true; });
}

void addSceneOptions(OptionParser& parser, RunOptions& options)
{
    parser.value("--mode", "N", "hold display mode N (0-" + std::to_string(DisplayModeCount - 1) + ")",
                 [&](const std::string& v) { options.displayMode = displayModeNumber("--mode", v); });
    parser.value("--camera", "path|free", "the camera to start with (F1 switches)",
                 [&](const std::string& v) { options.camera = cameraNamed(v); });
    parser.value("--time", "T", "start at second T of the 85-second timeline",
                 [&](const std::string& v) { options.startTime = cycleSecond(finiteSeconds("--time", v)); });
    parser.value("--frames", "N", "stop after N frames",
                 [&](const std::string& v) { options.frames = wholeNumberAtLeast("--frames", v, 1); });
}

} // namespace

bool RunOptions::windowed() const
{
    return fullScreen.has_value() ? !*fullScreen : size.has_value();
}

VkExtent2D RunOptions::windowSize() const
{
    const VkExtent2D fullScreenSize{fullScreenWidth, fullScreenHeight};
    return size.value_or(windowed() ? defaultWindowSize : fullScreenSize);
}

void addRunOptions(OptionParser& parser, RunOptions& options)
{
    parser.flag("--help", "print this help and exit", [&] { options.help = true; });
    parser.flag("--version", "print the version and exit", [&] { options.version = true; });
    addWindowOptions(parser, options);
    addDeviceOptions(parser, options);
    addSceneOptions(parser, options);
}
