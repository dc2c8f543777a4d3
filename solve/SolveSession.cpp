#include "SolveSession.h"

#include "ProgressLine.h"
#include "ResultJson.h"
#include "ResultReport.h"
#include "StopSignal.h"
#include "engine/SolverWorker.h"
#include "engine/WorkerTask.h"

#include <cerrno>
#include <cstring>

namespace {

// The dialog's timer period.
constexpr DWORD POLL_MILLISECONDS = 200;

} // namespace

bool FlushOutput(std::ostream& out, std::FILE* errOut)
{
    out.flush();
    if (out.good())
        return true;
    // errno still holds the failed write's reason: once a stream has failed,
    // later output to it is skipped without a system call.
    const int error = errno;
    std::fprintf(errOut, "torvaly-solve: error writing standard output%s%s\n", error != 0 ? ": " : "",
                 error != 0 ? std::strerror(error) : "");
    return false;
}

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
    else
        WriteResultReport(out, shown, status);
    if (!FlushOutput(out, errOut))
        return EXIT_WRITE_FAILED;

    if (!end.m_completed)
        std::fprintf(errOut, "torvaly-solve: the search was stopped by %s; the figures are the best found so far\n",
                     StopSignalName(end.m_signal));
    else if (end.m_signal != 0)
        std::fprintf(errOut, "torvaly-solve: %s received after the search had ended; the result is complete\n",
                     StopSignalName(end.m_signal));
    return end.m_signal != 0 ? 128 + end.m_signal : 0;
}
