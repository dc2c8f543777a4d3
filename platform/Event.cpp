#include "Event.h"

#include <chrono>

CEvent::CEvent(BOOL initiallySignalled) : m_signalled(initiallySignalled != FALSE) {}

void CEvent::SetEvent()
{
    // Notify while holding the mutex: a released waiter may destroy the event
    // as soon as it returns, so nothing here may touch it after the unlock.
    std::lock_guard<std::mutex> guard(m_mutex);
    m_signalled.store(true, std::memory_order_release);
    m_changed.notify_all();
}

void CEvent::ResetEvent()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_signalled.store(false, std::memory_order_release);
}

BOOL CEvent::Wait(DWORD timeout)
{
    auto isSignalled = [this] { return m_signalled.load(std::memory_order_acquire); };
    std::unique_lock<std::mutex> guard(m_mutex);
    if (timeout == INFINITE) {
        m_changed.wait(guard, isSignalled);
        return TRUE;
    }
    return m_changed.wait_for(guard, std::chrono::milliseconds(timeout), isSignalled) ? TRUE : FALSE;
}
