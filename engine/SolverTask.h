// The depth-first search over trips, run as a worker task.
#pragma once

#include "CrossingPath.h"
#include "SafeBoats.h"
#include "SolverStatus.h"
#include "WorkerTask.h"

inline constexpr int FIRST_TRIP_COUNT = static_cast<int>(CANDIDATE_BOATS.size());

class CSolverTask : public CWorkerTask {
public:
    // param is the CSolverStatus to report to. Searches the whole tree below
    // every first trip, or until the stop event is set, then marks the status
    // finished. Returns 0.
    UINT Run(void* param) override;

    // Searches the whole tree below path's top, as the search does below that
    // step, reporting to status, and leaves path as it found it: the outbound
    // boarding at phase 0, its landing at phase 1, the return boarding at
    // phase 2 and its landing at phase 3. A boarding needs nobody aboard at
    // the top, as the search always has it; on any other path this does
    // nothing. Run starts below the initial arrangement with the first trips;
    // this lets a caller start below a path of its own.
    void SearchBelow(CCrossingPath& path, CSolverStatus& status);

private:
    // The steps of the search itself, alternating boardings and landings on
    // path and reporting to status. Each searches the whole tree below path
    // (up to the stop request) and leaves path as it found it. A boarding step
    // starts from an arrangement with nobody aboard. LandOutbound and
    // LandReturn are inline (see below).
    void SearchFirstTrips(CCrossingPath& path, CSolverStatus& status);
    void LandOutbound(CCrossingPath& path, CSolverStatus& status);
    void BoardReturn(CCrossingPath& path, CSolverStatus& status);
    void LandReturn(CCrossingPath& path, CSolverStatus& status);
    void BoardOutbound(CCrossingPath& path, CSolverStatus& status);

    static bool IsFull(const CCrossingPath& path) { return path.Top() >= PATH_CAPACITY - 1; }
    static void CountTrial(CSolverStatus& status) { status.m_trials.Increment(); }
    // BoardOutbound and BoardReturn: Action is PLACE_GOING or PLACE_RETURNING.
    template <int Action> void BoardTrip(CCrossingPath& path, CSolverStatus& status);
    // For an outbound trip of boat from the top of path: when the status is
    // sure to refuse the path once the trip has landed, counts what the
    // boarding, the landing and the offer would have counted, without making
    // the moves, and returns true.
    static bool CountForetoldRefusal(const CCrossingPath& path, CSolverStatus& status, TravellerSet boat);
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
