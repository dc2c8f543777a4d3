#include "SolveSession.h"

#include "ProgressLine.h"
#include "ResultReport.h"
#include "StopSignal.h"
#include "engine/SolverWorker.h"
#include "engine/WorkerTask.h"

namespace {

// The dialog's timer period.
constexpr DWORD POLL_MILLISECONDS = 200;

} // namespace

int RunSolveSession(bool countAlternatives, std::ostream& out, std::FILE* progressOut)
{
    CSolverStatus status;
    status.m_countAlternatives = countAlternatives ? TRUE : FALSE;
    if (StartSolverWorker(&status) == nullptr) {
        std::fputs("torvaly-solve: could not start the search thread\n", progressOut);
        return EXIT_START_FAILED;
    }

    CProgressLine progress(progressOut);
    CCrossingPath shown;
    int stoppedBy = 0;
    for (;;) {
        // Read the flag before the figures: once it is set they are final.
        const bool finished = status.m_finished != FALSE;
        status.TakeBestIfChanged(shown);
        progress.Show(status);
        if (finished)
            break;
        if (stoppedBy == 0 && PendingStopSignal() != 0) {
            // Like closing the dialog: stop the search and wait for the worker.
            stoppedBy = PendingStopSignal();
            RequestAbortAndWait(INFINITE);
            continue;
        }
        // Wakes early when the worker has ended.
        g_idleEvent.Lock(POLL_MILLISECONDS);
    }
    RequestAbortAndWait(INFINITE);
    progress.Clear();

    WriteResultReport(out, shown, status);
    out.flush();
    // A Ctrl-C caught during the last poll, after the search ended by itself,
    // still counts: the user asked to stop.
    if (stoppedBy == 0)
        stoppedBy = PendingStopSignal();
    return stoppedBy != 0 ? 128 + stoppedBy : 0;
}
