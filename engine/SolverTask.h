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
    void BoardTrip(CCrossingPath& path, CSolverStatus& status, int action);
};
