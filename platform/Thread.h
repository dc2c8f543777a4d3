// Worker threads: started at once, running a plain entry function.
#pragma once

#include "Types.h"

using AFX_THREADPROC = UINT (*)(void* param);

// Marks a started thread. The program only compares it with null: it is never
// dereferenced, waited on or deleted by its holder.
class CWinThread;

// Starts a thread that runs proc(param) at once, with normal priority and the
// default stack size. Returns the thread's marker, or null when the thread
// could not be started; never throws. Threads that have ended are reclaimed at
// the next start, and any still running at process exit are joined then.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, void* param);

// Test seams. A start hook runs on each new thread before its entry function,
// so a test can hold a worker at a gate; a failing start makes AfxBeginThread
// return null as if the system had refused the thread. Both stay until reset
// (null hook, FALSE).
// Kept: nothing else fails a thread start on demand (a process limit spares root; sanitizers own pthread_create).
using ThreadStartHook = void (*)();
void SetThreadStartHookForTesting(ThreadStartHook hook);
void SetThreadStartFailureForTesting(BOOL fail);
