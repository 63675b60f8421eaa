#include "app/CommandLine.h"

#include "app/DeviceList.h"
#include "constants/ProgramInfo.h"
#include "renderer/DeviceCensus.h"

#include <iostream>

namespace {

constexpr int badCommandLine = 2;

// The requested device must be listed and able to draw, as far as can be told
// before the window exists.
void checkRequestedDevice(uint32_t index)
{
    const std::vector<DeviceFacts> census = takeDeviceCensus();
    const std::string value = std::to_string(index);
    if (census.empty()) {
        throw badValue("--gpu", value, "a device index, but the Vulkan driver lists no device");
    }
    if (index >= census.size()) {
        throw badValue("--gpu", value,
                       "a device index from 0 to " + std::to_string(census.size() - 1) + " (see --list-gpus)");
    }
    const std::string reason = unsuitability(census[index]);
    if (!reason.empty()) {
        throw OptionError("--gpu " + value + " names " + census[index].properties.deviceName +
                          ", which cannot draw the demo: " + reason);
    }
}

} // namespace

std::optional<int> readCommandLine(const OptionParser& parser, const std::vector<std::string>& arguments,
                                   const RunOptions& options, const std::function<void()>& checkTogether)
{
    try {
        parser.parse(arguments);
        if (checkTogether) {
            checkTogether();
        }
        if (options.help) {
            std::cout << parser.help();
            return 0;
        }
        if (options.version) {
            std::cout << programName << ' ' << programVersion << '\n';
            return 0;
        }
        if (options.listDevices) {
            printDeviceList(std::cout, takeDeviceCensus());
            return 0;
        }
        if (options.renderer.device) {
            checkRequestedDevice(*options.renderer.device);
        }
    } catch (const OptionError& e) {
        std::cerr << parser.programName() << ": " << e.what() << std::endl;
        return badCommandLine;
    }
    return std::nullopt;
}
