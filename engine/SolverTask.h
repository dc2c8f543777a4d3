// The depth-first search over trips, run as a worker task.
#pragma once

#include "CrossingPath.h"
#include "SolverStatus.h"
#include "WorkerTask.h"

// How many candidates a boarding from a side holding the given number of
// travellers tries: every traveller alone, and every pair.
constexpr int CandidatesFrom(int travellers)
{
    return travellers * (travellers + 1) / 2;
}

// The first trips: every candidate from the start side, where all are.
inline constexpr int FIRST_TRIP_COUNT = CandidatesFrom(TRAVELLER_COUNT);

class CSolverTask : public CWorkerTask {
public:
    // param is the CSolverStatus to report to. Searches the whole tree below
    // every first trip, or until the stop event is set, then marks the status
    // finished. Returns 0.
    UINT Run(void* param) override;

    // The steps of the search itself, alternating boardings and landings on
    // path and reporting to status; Run starts at SearchFirstTrips, and a
    // caller may start at any step on a path of its own. Each searches the
    // whole tree below path (up to the stop request) and leaves path as it
    // found it. LandOutbound and LandReturn are inline (see below).
    void SearchFirstTrips(CCrossingPath& path, CSolverStatus& status);
    void LandOutbound(CCrossingPath& path, CSolverStatus& status);
    void BoardReturn(CCrossingPath& path, CSolverStatus& status);
    void LandReturn(CCrossingPath& path, CSolverStatus& status);
    void BoardOutbound(CCrossingPath& path, CSolverStatus& status);

private:
    static bool IsFull(const CCrossingPath& path) { return path.Top() >= PATH_CAPACITY - 1; }
    static void CountTrial(CSolverStatus& status) { status.m_trials.Increment(); }
    // BoardOutbound and BoardReturn: Action is PLACE_GOING or PLACE_RETURNING.
    template <int Action> void BoardTrip(CCrossingPath& path, CSolverStatus& status);
    // Pushes candidate and, when the path takes it, runs the landing step of
    // action below it.
    void TryBoarding(CCrossingPath& path, CSolverStatus& status, const CCrossingState& candidate, int action);
    void BoardEachCandidate(CCrossingPath& path, CSolverStatus& status, int action);
};

// The landing steps are defined here, inline, so that the boarding steps that
// call them take them in: the search spends its time in that pair, and the
// compiler would not inline them on its own, since the steps call each other.

[[gnu::always_inline]] inline void CSolverTask::LandOutbound(CCrossingPath& path, CSolverStatus& status)
{
    if (IsFull(path)) {
        CountTrial(status);
        return;
    }
    if (!path.PushLanded())
        return;
    if (!status.OfferPath(path))
        CountTrial(status);
    else if (!path.IsProgressing())
        CountTrial(status);
    else
        BoardReturn(path, status);
    path.Pop();
}

[[gnu::always_inline]] inline void CSolverTask::LandReturn(CCrossingPath& path, CSolverStatus& status)
{
    if (IsFull(path)) {
        CountTrial(status);
        return;
    }
    if (path.PushLanded()) {
        BoardOutbound(path, status);
        path.Pop();
    }
}
