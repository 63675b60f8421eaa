#pragma once

#include "renderer/DeviceChoice.h"

#include <ostream>
#include <vector>

// What --list-gpus prints: one line per device in the driver's order, with
// its index, name, type, driver and Vulkan versions, and whether it can draw
// the demo or why not; the one drawn with by default says so.
void printDeviceList(std::ostream& out, const std::vector<DeviceFacts>& devices);
