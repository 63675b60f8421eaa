#pragma once

#include <csignal>

// While one lives, Ctrl-C (SIGINT) or SIGTERM asks long work to stop at its
// next check instead of ending the program; a second signal ends it as usual.
class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // The signal received, or 0.
    int received() const;

private:
    struct sigaction previousInterrupt {};
    struct sigaction previousTerminate {};
};
