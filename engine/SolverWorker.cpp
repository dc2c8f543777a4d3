#include "SolverWorker.h"

#include "SolverTask.h"

#include <memory>
#include <new>

namespace {

// What a worker thread is started with.
struct CWorkerStart {
    CSolverStatus* m_status;
    CFinishedNotification m_finished;
};

// Runs the task, makes the finished notification, then gives up the count
// taken for the thread at its start.
UINT CountedWorkerThreadProc(void* param)
{
    const std::unique_ptr<CWorkerStart> start(static_cast<CWorkerStart*>(param));
    const UINT exitCode = WorkerThreadProc(start->m_status);
    if (start->m_status != nullptr && start->m_finished.m_notify != nullptr)
        start->m_finished.m_notify(start->m_finished.m_context);
    RemoveRunningWorker();
    return exitCode;
}

} // namespace

UINT WorkerThreadProc(void* param)
{
    CSolverTask task;
    return task.Run(param);
}

CWinThread* StartSolverWorker(CSolverStatus* status, CFinishedNotification finished)
{
    auto* start = new (std::nothrow) CWorkerStart{status, finished};
    if (start == nullptr)
        return nullptr;
    AddRunningWorker();
    CWinThread* thread = AfxBeginThread(CountedWorkerThreadProc, start);
    if (thread == nullptr) {
        RemoveRunningWorker();
        delete start;
    }
    return thread;
}
