#include "WorkerTask.h"

#include "AbortEvent.h"
#include "platform/Interlocked.h"
#include "platform/StartupOrder.h"
#include "platform/WaitCursor.h"

// Defined together, with one priority, so that they are constructed in this
// order after the application object and destroyed in the reverse one. The
// count needs no construction.
[[gnu::init_priority(INIT_PRIORITY_SHARED_SYNC)]] CCriticalSection g_workerCountLock;
std::atomic<std::int32_t> g_runningWorkers{0};
[[gnu::init_priority(INIT_PRIORITY_SHARED_SYNC)]] CEvent g_abortEvent(FALSE);
[[gnu::init_priority(INIT_PRIORITY_SHARED_SYNC)]] CEvent g_idleEvent(TRUE);

void AddRunningWorker()
{
    CSingleLock guard(g_workerCountLock);
    InterlockedIncrement(g_runningWorkers);
    g_idleEvent.ResetEvent();
}

void RemoveRunningWorker()
{
    CSingleLock guard(g_workerCountLock);
    if (InterlockedDecrement(g_runningWorkers) < 1)
        g_idleEvent.SetEvent();
}

CWorkerTask::CWorkerTask()
{
    AddRunningWorker();
}

CWorkerTask::~CWorkerTask()
{
    RemoveRunningWorker();
}

UINT CWorkerTask::Run(void*)
{
    return 0;
}

BOOL RequestAbortAndWait(DWORD timeout)
{
    CWaitCursor waitCursor;
    g_abortEvent.SetEvent();
    return g_idleEvent.Lock(timeout);
}
