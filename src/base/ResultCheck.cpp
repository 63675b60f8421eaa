#include "base/ResultCheck.h"

#include <stdexcept>

void checkResult(VkResult result, const char* failureMessage)
{
    if (result != VK_SUCCESS) {
        throw std::runtime_error(failureMessage);
    }
}
