// torvaly-solve: runs the puzzle's search on a worker thread, as the dialog
// does, and prints the best path found with the dialog's figures.

#include "CommandLine.h"
#include "ProgressLine.h"
#include "ResultReport.h"
#include "engine/SolverWorker.h"
#include "engine/WorkerTask.h"

#include <csignal>
#include <cstdio>
#include <iostream>

namespace {

// The dialog's timer period.
constexpr DWORD kPollMilliseconds = 200;

volatile std::sig_atomic_t g_stopSignal = 0;

extern "C" void OnStopSignal(int signal)
{
    g_stopSignal = signal;
}

void InstallStopHandlers()
{
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    // A second Ctrl-C ends the program the usual way.
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    const SolveOptions options = ParseCommandLine(argc, argv);
    if (!options.error.empty()) {
        std::fprintf(stderr, "torvaly-solve: %s\n", options.error.c_str());
        return 2;
    }
    if (options.showHelp) {
        std::fputs(UsageText(), stdout);
        return 0;
    }

    InstallStopHandlers();

    CSolverStatus status;
    status.m_countAlternatives = options.countAlternatives ? TRUE : FALSE;
    if (StartSolverWorker(&status) == nullptr) {
        std::fputs("torvaly-solve: could not start the search thread\n", stderr);
        return 1;
    }

    CProgressLine progress;
    CCrossingPath shown;
    bool interrupted = false;
    for (;;) {
        // Read the flag before the figures: once it is set they are final.
        const bool finished = status.m_finished != FALSE;
        status.TakeBestIfChanged(shown);
        progress.Show(status);
        if (finished)
            break;
        if (g_stopSignal != 0 && !interrupted) {
            // Like closing the dialog: stop the search and wait for the worker.
            interrupted = true;
            RequestAbortAndWait(INFINITE);
            continue;
        }
        // Wakes early when the worker has ended.
        g_idleEvent.Lock(kPollMilliseconds);
    }
    RequestAbortAndWait(INFINITE);
    progress.Clear();

    WriteResultReport(std::cout, shown, status);
    std::cout.flush();
    return interrupted ? 128 + g_stopSignal : 0;
}
