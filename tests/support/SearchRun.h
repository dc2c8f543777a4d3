// Running the search in tests, and what a run leaves in its status.
#pragma once

#include "engine/AbortEvent.h"
#include "engine/SolverStatus.h"
#include "engine/SolverTask.h"

#include <string>

struct SearchOutcome {
    int trials = 0;
    int alternatives = 0;
    int progressPos = 0;
    int progressMax = 0;
    BOOL finished = FALSE;
    CCrossingPath best;
};

// Reads the status as the dialog does; the best path only if it changed.
inline SearchOutcome ReadOutcome(CSolverStatus& status)
{
    SearchOutcome outcome;
    outcome.finished = status.m_finished;
    outcome.trials = status.m_trials;
    outcome.alternatives = status.m_alternatives;
    outcome.progressPos = status.m_progressPos;
    outcome.progressMax = status.m_progressMax;
    status.TakeBestIfChanged(outcome.best);
    return outcome;
}

// A complete search on the calling thread, with no stop requested.
inline SearchOutcome SearchOnThisThread(bool countAlternatives)
{
    g_abortEvent.ResetEvent();
    CSolverStatus status;
    status.m_countAlternatives = countAlternatives ? TRUE : FALSE;
    CSolverTask task;
    task.Run(&status);
    return ReadOutcome(status);
}

// The places of every step, for comparing whole paths.
inline std::string Rows(const CCrossingPath& path)
{
    std::string rows;
    for (int step = 0; step <= path.Top(); ++step) {
        for (int t = 0; t < TRAVELLER_COUNT; ++t)
            rows += static_cast<char>('0' + path.GetPlaceAt(step, t));
        rows += '\n';
    }
    return rows;
}
