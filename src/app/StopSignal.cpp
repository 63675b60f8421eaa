#include "app/StopSignal.h"

namespace {

volatile std::sig_atomic_t receivedSignal = 0;

void remember(int signal)
{
    receivedSignal = signal;
}

} // namespace

StopSignal::StopSignal()
{
    receivedSignal = 0;
    struct sigaction action {};
    action.sa_handler = remember;
    sigemptyset(&action.sa_mask);
    // Restarted calls keep a pipe write or a fence wait from failing half-way;
    // the handler is reset after the first signal, so a second one ends the program.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, &previousInterrupt);
    sigaction(SIGTERM, &action, &previousTerminate);
}

StopSignal::~StopSignal()
{
    sigaction(SIGINT, &previousInterrupt, nullptr);
    sigaction(SIGTERM, &previousTerminate, nullptr);
}

int StopSignal::received() const
{
    return receivedSignal;
}
