#include "SolveSession.h"

#include "ExitStatus.h"
#include "ProgressLine.h"
#include "ResultJson.h"
#include "ResultReport.h"
#include "StopSignal.h"
#include "engine/SolverWorker.h"
#include "engine/WorkerTask.h"
#include "platform/FlushOutput.h"

#include <cerrno>

int RunSolveSession(const CSolveOptions& options, std::ostream& out, std::FILE* errOut)
{
    CSolverStatus status;
    status.m_countAlternatives = options.m_countAlternatives ? TRUE : FALSE;
    if (StartSolverWorker(&status) == nullptr) {
        std::fprintf(errOut, "%s: could not start the search thread\n", SOLVE_PROGRAM_NAME);
        return EXIT_FAILED;
    }

    CProgressLine progress(errOut);
    CCrossingPath shown;
    CSearchEnd end;
    for (;;) {
        // Read the flag before the figures: once it is set they are final.
        const bool finished = status.m_finished != FALSE;
        status.TakeBestIfChanged(shown);
        progress.Show(status);
        if (finished)
            break;
        if (end.m_completed && PendingStopSignal() != 0) {
            // Like closing the dialog: stop the search and wait for the worker.
            end.m_completed = false;
            RequestAbortAndWait(INFINITE);
            continue;
        }
        // Wakes early when the worker has ended.
        g_idleEvent.Lock(BEST_PATH_PERIOD_MS);
    }
    RequestAbortAndWait(INFINITE);
    progress.Clear();

    // A signal caught during the last poll, after the search ended by itself,
    // still counts: the user asked to stop, though the result is complete.
    end.m_signal = PendingStopSignal();
    errno = 0;
    if (options.m_json)
        WriteResultJson(out, shown, status, end);
    else if (options.m_trips)
        WriteTripsReport(out, shown, status);
    else
        WriteResultReport(out, shown, status);
    if (!FlushOutput(out, SOLVE_PROGRAM_NAME, errOut))
        return EXIT_FAILED;

    if (!end.m_completed)
        std::fprintf(errOut, "%s: the search was stopped by %s; the figures are the best found so far\n",
                     SOLVE_PROGRAM_NAME, StopSignalName(end.m_signal));
    else if (end.m_signal != 0)
        std::fprintf(errOut, "%s: %s received after the search had ended; the result is complete\n", SOLVE_PROGRAM_NAME,
                     StopSignalName(end.m_signal));
    return end.m_signal != 0 ? EXIT_SIGNALLED + end.m_signal : EXIT_DONE;
}
