// Starting the search on its own thread.
#pragma once

#include "SolverStatus.h"
#include "platform/Thread.h"

// The worker thread's entry: runs a CSolverTask with param, the CSolverStatus.
UINT WorkerThreadProc(void* param);

// Starts the search on a new thread reporting to status. The worker counts as
// running before the thread exists, so a RequestAbortAndWait issued at any
// moment afterwards waits for it. Returns the thread's marker, or null when
// the thread could not be started (then nothing is counted).
CWinThread* StartSolverWorker(CSolverStatus* status);
