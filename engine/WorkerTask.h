// Work run on a worker thread, the count of live workers, and the way the user
// interface stops them and waits for them.
#pragma once

#include "platform/CriticalSection.h"
#include "platform/Event.h"
#include "platform/Types.h"

#include <atomic>
#include <cstdint>

// Process-wide, created in this order during static initialisation (the stop
// event of the search between the lock and the idle event).
extern CCriticalSection g_workerCountLock; // guards the count and the idle event
extern std::atomic<std::int32_t> g_runningWorkers;
extern CEvent g_idleEvent; // signalled while no worker exists

// A task run on a worker thread. It counts as a running worker for its whole
// life, so the idle event is reset while any task object exists.
class CWorkerTask {
public:
    CWorkerTask();
    CWorkerTask(const CWorkerTask&) = delete;
    CWorkerTask& operator=(const CWorkerTask&) = delete;
    virtual ~CWorkerTask();

    virtual UINT Run(void* param);
};

// Adds or removes one running worker, keeping the idle event in step with the
// count. A worker is counted from just before its thread is started, so that a
// stop request can never miss a worker that has not reached its task yet.
void AddRunningWorker();
void RemoveRunningWorker();

// Asks every running search to stop and waits up to timeout milliseconds until
// no worker is left, under the wait cursor. Nonzero when none is left.
BOOL RequestAbortAndWait(DWORD timeout);
