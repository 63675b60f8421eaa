#pragma once

#include "app/OptionParser.h"
#include "constants/DisplayModes.h"

#include <vulkan/vulkan.h>

#include <string>

// The readings of option values that the demo and the benchmark share. Each
// throws badValue naming `option` and `text` when the text does not fit.

int wholeNumberAtLeast(const std::string& option, const std::string& text, int smallest);

// Any finite number of seconds.
float finiteSeconds(const std::string& option, const std::string& text);

// "WIDTHxHEIGHT", each from 1 to maxWindowSide.
VkExtent2D sizeWxH(const std::string& option, const std::string& text);
constexpr int maxWindowSide = 16384;

DisplayMode displayModeNumber(const std::string& option, const std::string& text);
