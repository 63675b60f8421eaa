#pragma once

#include "renderer/Renderer.h"

#include <string>

// The one line the demo prints on start: the program and its version, the
// device and its type, the driver and Vulkan versions, the present mode, the
// size of what is drawn into and whether validation is on. `surfaceKind`
// says what that is, e.g. "window" or "full screen".
std::string startLine(const Renderer& renderer, const std::string& surfaceKind);
