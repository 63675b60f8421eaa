#pragma once

#include "renderer/DeviceChoice.h"

#include <vector>

// Every device the Vulkan driver lists, in its order, with what can be known
// of it before any window exists: a throwaway instance without validation is
// made and destroyed again. Whether a queue can present is asked of the
// window system when there is a display; the surface's own offer is only
// known once the window is there, and counts as met here.
std::vector<DeviceFacts> takeDeviceCensus();
