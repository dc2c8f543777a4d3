// Starting the search on its own thread.
#pragma once

#include "SolverStatus.h"
#include "platform/Thread.h"

// The worker thread's entry: runs a CSolverTask with param, the CSolverStatus.
UINT WorkerThreadProc(void* param);

// A call that the worker makes on its own thread once it has marked the
// status finished, with the context it was given: how a caller learns of the
// end without looking. It runs before the worker stops counting as running,
// so a RequestAbortAndWait that returns has seen it done.
struct CFinishedNotification {
    void (*m_notify)(void* context) = nullptr;
    void* m_context = nullptr;
};

// Starts the search on a new thread reporting to status, and makes the
// finished notification, if one is given, when the search is over. The
// worker counts as running before the thread exists, so a RequestAbortAndWait
// issued at any moment afterwards waits for it. Returns the thread's marker,
// or null when the thread could not be started (then nothing is counted and
// no notification comes).
CWinThread* StartSolverWorker(CSolverStatus* status, CFinishedNotification finished = {});
