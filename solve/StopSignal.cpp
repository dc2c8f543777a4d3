#include "StopSignal.h"

#include <atomic>
#include <csignal>

namespace {

// The kernel may run the handler on any thread, the worker's included, so
// the flag is a lock-free atomic rather than a volatile sig_atomic_t, which
// only serves a handler running on the reading thread.
std::atomic<int> g_stopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler may only touch a lock-free atomic");

extern "C" void OnStopSignal(int signal)
{
    g_stopSignal.store(signal, std::memory_order_relaxed);
}

} // namespace

void InstallStopHandlers()
{
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int PendingStopSignal()
{
    return g_stopSignal.load(std::memory_order_relaxed);
}
