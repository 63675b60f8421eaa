#pragma once

#include <stdexcept>
#include <string>

// A choice the person asked for (a device, a present mode) that this machine
// cannot grant. It is their request that fails, not the program, so the
// entry point reports it as a bad value rather than as a failure.
class RefusedChoice : public std::runtime_error {
public:
    explicit RefusedChoice(const std::string& message) : std::runtime_error(message) {}
};
