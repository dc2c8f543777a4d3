#include "StopSignal.h"

#include <atomic>
#include <csignal>

namespace {

constexpr int STOP_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};

// The kernel may run the handler on any thread, the worker's included, so
// the flag is a lock-free atomic rather than a volatile sig_atomic_t, which
// only serves a handler running on the reading thread.
std::atomic<int> g_stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler may only touch a lock-free atomic");

extern "C" void OnStopSignal(int signal)
{
    // The first signal decides the exit status; a later, different one only
    // stops the same search again.
    int none = 0;
    g_stopSignal.compare_exchange_strong(none, signal, std::memory_order_relaxed);
}

} // namespace

void InstallStopHandlers()
{
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : STOP_SIGNALS) {
        struct sigaction before = {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue;
        sigaction(signal, &action, nullptr);
    }
}

int PendingStopSignal()
{
    return g_stopSignal.load(std::memory_order_relaxed);
}

const char* StopSignalName(int signal)
{
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "";
    }
}
