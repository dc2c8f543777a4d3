// The depth-first search over trips, run as a worker task.
#pragma once

#include "CrossingPath.h"
#include "SolverStatus.h"
#include "WorkerTask.h"

// Every pair of travellers, and every traveller alone, from the start side.
inline constexpr int FIRST_TRIP_COUNT = TRAVELLER_COUNT * (TRAVELLER_COUNT + 1) / 2;

class CSolverTask : public CWorkerTask {
public:
    // param is the CSolverStatus to report to. Searches the whole tree below
    // every first trip, or until the stop event is set, then marks the status
    // finished. Returns 0.
    UINT Run(void* param) override;

    // The steps of the search, alternating boardings and landings on path.
    void SearchFirstTrips(CCrossingPath& path, CSolverStatus& status);
    void LandOutbound(CCrossingPath& path, CSolverStatus& status);
    void BoardReturn(CCrossingPath& path, CSolverStatus& status);
    void LandReturn(CCrossingPath& path, CSolverStatus& status);
    void BoardOutbound(CCrossingPath& path, CSolverStatus& status);

private:
    // What one search works on: the path and the status, with a compact copy
    // of the path's arrangements kept beside it (see SolverTask.cpp).
    class CWalk;

    // The same steps on a walk; each step above starts a walk on its path.
    static void SearchFirstTrips(CWalk& walk);
    static void LandOutbound(CWalk& walk);
    static void BoardReturn(CWalk& walk);
    static void LandReturn(CWalk& walk);
    static void BoardOutbound(CWalk& walk);
    // BoardOutbound and BoardReturn: Action is PLACE_GOING or PLACE_RETURNING.
    template <int Action> static void BoardTrip(CWalk& walk);
    static void BoardEachCandidate(CWalk& walk, int action);
};
