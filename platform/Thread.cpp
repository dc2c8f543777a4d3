#include "Thread.h"

#include <atomic>
#include <list>
#include <mutex>
#include <system_error>
#include <thread>

class CWinThread {
public:
    std::thread m_thread;
    std::atomic<bool> m_ended{false};
};

namespace {

std::atomic<ThreadStartHook> g_startHook{nullptr};
std::atomic<bool> g_failStarts{false};

// Owns every started thread. Its single instance is created on the first
// start, after the program's global objects, so it is destroyed before them:
// a thread still unwinding at exit is joined while the objects it may touch
// still exist.
class CThreadRegistry {
public:
    ~CThreadRegistry()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        for (CWinThread& thread : m_threads)
            thread.m_thread.join();
    }

    CWinThread* Start(AFX_THREADPROC proc, void* param)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        ReclaimEnded();
        try {
            CWinThread& thread = m_threads.emplace_back();
            try {
                thread.m_thread = std::thread(&CThreadRegistry::Main, &thread, proc, param);
            } catch (const std::system_error&) {
                m_threads.pop_back();
                return nullptr;
            }
            return &thread;
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }

private:
    static void Main(CWinThread* self, AFX_THREADPROC proc, void* param)
    {
        if (ThreadStartHook hook = g_startHook.load())
            hook();
        proc(param);
        self->m_ended.store(true, std::memory_order_release);
    }

    void ReclaimEnded()
    {
        for (auto it = m_threads.begin(); it != m_threads.end();) {
            if (it->m_ended.load(std::memory_order_acquire)) {
                it->m_thread.join();
                it = m_threads.erase(it);
            } else {
                ++it;
            }
        }
    }

    std::mutex m_mutex;
    std::list<CWinThread> m_threads;
};

CThreadRegistry& Registry()
{
    static CThreadRegistry s_registry;
    return s_registry;
}

} // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC proc, void* param)
{
    if (proc == nullptr || g_failStarts.load())
        return nullptr;
    return Registry().Start(proc, param);
}

void SetThreadStartHookForTesting(ThreadStartHook hook)
{
    g_startHook.store(hook);
}

void SetThreadStartFailureForTesting(BOOL fail)
{
    g_failStarts.store(fail != FALSE);
}
