// A manual-reset event: once set it stays signalled, releasing every waiter,
// until it is reset.
#pragma once

#include "Types.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

class CEvent {
public:
    explicit CEvent(BOOL initiallySignalled = FALSE);
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    void SetEvent();
    void ResetEvent();

    // Waits until the event is signalled or timeout milliseconds have passed
    // (INFINITE: no limit). Returns TRUE when the event was signalled. A zero
    // timeout only tests the event and takes no lock, so it is cheap enough for
    // a hot loop.
    BOOL Lock(DWORD timeout = INFINITE)
    {
        if (timeout == 0)
            return m_signalled.load(std::memory_order_acquire) ? TRUE : FALSE;
        return Wait(timeout);
    }

private:
    BOOL Wait(DWORD timeout);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::atomic<bool> m_signalled;
};
