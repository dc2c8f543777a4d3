// Running the search in tests, and what a run leaves in its status.
#pragma once

#include "engine/AbortEvent.h"
#include "engine/SolverStatus.h"
#include "engine/SolverTask.h"

#include <string>

struct CSearchOutcome {
    int m_trials = 0;
    int m_alternatives = 0;
    int m_progressPos = 0;
    int m_progressMax = 0;
    BOOL m_finished = FALSE;
    CCrossingPath m_best;
};

// Reads the status as the dialog does; the best path only if it changed.
inline CSearchOutcome ReadOutcome(CSolverStatus& status)
{
    CSearchOutcome outcome;
    outcome.m_finished = status.m_finished;
    outcome.m_trials = status.m_trials;
    outcome.m_alternatives = status.m_alternatives;
    outcome.m_progressPos = status.m_progressPos;
    outcome.m_progressMax = status.m_progressMax;
    status.TakeBestIfChanged(outcome.m_best);
    return outcome;
}

// A complete search on the calling thread, with no stop requested.
inline CSearchOutcome SearchOnThisThread(bool countAlternatives)
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
