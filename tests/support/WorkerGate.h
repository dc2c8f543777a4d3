// Helpers of the UI tests that run real searches: holding the worker at its
// start, and letting the process go back to no worker when a test ends. The
// window helpers come with them.
#pragma once

#include "WindowTestSupport.h"

#include <thread>

// A generous bound for a search's end; reaching it means a fault. A
// complete search takes about 3 ms, or about 120 ms with the alternatives
// counted, and some ten times that under the sanitizers: ten seconds is
// plenty, and a fault that keeps the timer running costs no more per test.
inline constexpr int WAIT_FOR_SEARCH_MS = 10000;

// Holds every new worker thread before it runs until Open. Counts the
// threads that were started.
class CWorkerGate {
public:
    CWorkerGate();
    ~CWorkerGate();
    CWorkerGate(const CWorkerGate&) = delete;
    CWorkerGate& operator=(const CWorkerGate&) = delete;

    void Open();
    int StartedThreads() const;
    // Opens the gate from another thread as soon as the stop event is set,
    // as the user's OK does while the dialog blocks in its wait.
    void OpenWhenAbortRequested();

private:
    std::thread m_opener;
};

// Restores the process for the next scenario when a test ends, passed or
// not: lets any held worker go, waits until no worker is left, resets the
// stop event and the thread-start failure. Declare it after the dialog, so
// it runs before the dialog (and its status) go.
class CWorkerCleanup {
public:
    CWorkerCleanup() = default;
    ~CWorkerCleanup();
    CWorkerCleanup(const CWorkerCleanup&) = delete;
    CWorkerCleanup& operator=(const CWorkerCleanup&) = delete;
};
