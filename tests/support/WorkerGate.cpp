#include "WorkerGate.h"

#include "engine/AbortEvent.h"
#include "engine/WorkerTask.h"
#include "platform/Thread.h"

#include <atomic>

namespace {

CEvent g_gate(FALSE);
std::atomic<int> g_startedThreads{0};

void HoldAtGate()
{
    g_startedThreads.fetch_add(1);
    g_gate.Lock(INFINITE);
}

} // namespace

CWorkerGate::CWorkerGate()
{
    g_gate.ResetEvent();
    g_startedThreads.store(0);
    SetThreadStartHookForTesting(&HoldAtGate);
}

CWorkerGate::~CWorkerGate()
{
    Open();
    if (m_opener.joinable())
        m_opener.join();
    SetThreadStartHookForTesting(nullptr);
}

void CWorkerGate::Open()
{
    g_gate.SetEvent();
}

int CWorkerGate::StartedThreads() const
{
    return g_startedThreads.load();
}

void CWorkerGate::OpenWhenAbortRequested()
{
    m_opener = std::thread([] {
        g_abortEvent.Lock(WAIT_FOR_SEARCH_MS);
        g_gate.SetEvent();
    });
}

CWorkerCleanup::~CWorkerCleanup()
{
    g_gate.SetEvent();
    SetThreadStartFailureForTesting(FALSE);
    // Cuts a search still running short, so the dialog can go.
    g_abortEvent.SetEvent();
    g_idleEvent.Lock(WAIT_FOR_SEARCH_MS);
    g_abortEvent.ResetEvent();
}
