#include "SolverWorker.h"

#include "SolverTask.h"

namespace {

// Runs the task, then gives up the count taken for the thread at its start.
UINT CountedWorkerThreadProc(void* param)
{
    const UINT exitCode = WorkerThreadProc(param);
    RemoveRunningWorker();
    return exitCode;
}

} // namespace

UINT WorkerThreadProc(void* param)
{
    CSolverTask task;
    return task.Run(param);
}

CWinThread* StartSolverWorker(CSolverStatus* status)
{
    AddRunningWorker();
    CWinThread* thread = AfxBeginThread(CountedWorkerThreadProc, status);
    if (thread == nullptr)
        RemoveRunningWorker();
    return thread;
}
