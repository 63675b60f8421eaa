#pragma once

#include <vulkan/vulkan.h>

// Throws std::runtime_error with `failureMessage` unless the call succeeded.
// The messages are fixed sentences that users and tests read word for word.
void checkResult(VkResult result, const char* failureMessage);
