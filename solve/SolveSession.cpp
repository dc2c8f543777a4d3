#include "SolveSession.h"

#include "ProgressLine.h"
#include "ResultJson.h"
#include "ResultReport.h"
#include "StopSignal.h"
#include "engine/SolverWorker.h"
#include "engine/WorkerTask.h"
#include "platform/FlushOutput.h"

#include <cerrno>

namespace {

// The dialog's timer period.
constexpr DWORD POLL_MILLISECONDS = 200;

} // namespace

int RunSolveSession(const CSolveOptions& options, std::ostream& out, std::FILE* errOut)
{
    CSolverStatus status;
    status.m_countAlternatives = options.m_countAlternatives ? TRUE : FALSE;
    if (StartSolverWorker(&status) == nullptr) {
        std::fputs("torvaly-solve: could not start the search thread\n", errOut);
        return EXIT_START_FAILED;
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
        g_idleEvent.Lock(POLL_MILLISECONDS);
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
        return EXIT_WRITE_FAILED;

    if (!end.m_completed)
        std::fprintf(errOut, "torvaly-solve: the search was stopped by %s; the figures are the best found so far\n",
                     StopSignalName(end.m_signal));
    else if (end.m_signal != 0)
        std::fprintf(errOut, "torvaly-solve: %s received after the search had ended; the result is complete\n",
                     StopSignalName(end.m_signal));
    return end.m_signal != 0 ? 128 + end.m_signal : 0;
}
