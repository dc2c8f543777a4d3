#include "SolverTask.h"

#include "AbortEvent.h"

namespace {

void CountTrial(CSolverStatus& status)
{
    status.m_trials.Increment();
}

bool IsFull(const CCrossingPath& path)
{
    return path.Top() >= PATH_CAPACITY - 1;
}

} // namespace

UINT CSolverTask::Run(void* param)
{
    auto* status = static_cast<CSolverStatus*>(param);
    if (status == nullptr)
        return 0;
    CCrossingPath path;
    status->MarkStart();
    SearchFirstTrips(path, *status);
    status->MarkFinished();
    return 0;
}

void CSolverTask::SearchFirstTrips(CCrossingPath& path, CSolverStatus& status)
{
    status.SetProgressRange(FIRST_TRIP_COUNT);
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        for (int j = i; j < TRAVELLER_COUNT; ++j) {
            CCrossingState candidate = path.Current();
            candidate.Board(i, PLACE_GOING);
            if (j != i)
                candidate.Board(j, PLACE_GOING);
            if (!candidate.IsSafe()) {
                CountTrial(status);
            } else if (path.Push(candidate)) {
                LandOutbound(path, status);
                path.Pop();
            }
            status.StepProgress();
        }
    }
}

void CSolverTask::LandOutbound(CCrossingPath& path, CSolverStatus& status)
{
    if (IsFull(path)) {
        CountTrial(status);
        return;
    }
    CCrossingState landed = path.Current();
    landed.Land();
    if (!path.Push(landed))
        return;
    if (!status.OfferPath(path))
        CountTrial(status);
    else if (!path.IsProgressing())
        CountTrial(status);
    else
        BoardReturn(path, status);
    path.Pop();
}

void CSolverTask::BoardReturn(CCrossingPath& path, CSolverStatus& status)
{
    BoardTrip(path, status, PLACE_RETURNING);
}

void CSolverTask::LandReturn(CCrossingPath& path, CSolverStatus& status)
{
    if (IsFull(path)) {
        CountTrial(status);
        return;
    }
    CCrossingState landed = path.Current();
    landed.Land();
    if (path.Push(landed)) {
        BoardOutbound(path, status);
        path.Pop();
    }
}

void CSolverTask::BoardOutbound(CCrossingPath& path, CSolverStatus& status)
{
    BoardTrip(path, status, PLACE_GOING);
}

// One boarding step: every traveller alone, then every pair, from the side the
// trip leaves. The stop request is looked at here only, on entry.
void CSolverTask::BoardTrip(CCrossingPath& path, CSolverStatus& status, int action)
{
    if (g_abortEvent.Lock(0))
        return;
    if (IsFull(path)) {
        CountTrial(status);
        return;
    }
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        CCrossingState single = path.Current();
        if (!single.Board(i, action))
            continue;
        for (int j = i; j < TRAVELLER_COUNT; ++j) {
            CCrossingState candidate = single;
            if (j != i && !candidate.Board(j, action))
                continue;
            if (!candidate.IsSafe()) {
                CountTrial(status);
            } else if (path.Push(candidate)) {
                if (action == PLACE_GOING)
                    LandOutbound(path, status);
                else
                    LandReturn(path, status);
                path.Pop();
            }
        }
    }
}
