// The search. It walks the tree of trips step by step on a CCrossingPath and
// reports to a CSolverStatus; the path judges repetitions and progress, the
// status judges every offered path. The boarding steps take their safe
// candidates from a table worked out when compiling (SafeBoats.h) and count
// the unsafe ones without building them.

#include "SolverTask.h"

#include "AbortEvent.h"
#include "SafeBoats.h"

#include <cstddef>

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

void CSolverTask::BoardReturn(CCrossingPath& path, CSolverStatus& status)
{
    BoardTrip<PLACE_RETURNING>(path, status);
}

void CSolverTask::BoardOutbound(CCrossingPath& path, CSolverStatus& status)
{
    BoardTrip<PLACE_GOING>(path, status);
}

// One boarding step: every traveller alone, then every pair, from the side the
// trip leaves. The stop request is looked at here only, on entry.
template <int Action> void CSolverTask::BoardTrip(CCrossingPath& path, CSolverStatus& status)
{
    if (g_abortEvent.Lock(0))
        return;
    if (IsFull(path)) {
        CountTrial(status);
        return;
    }
    const ArrangementCode current = path.CurrentCode();
    if (AboardIn(current) != 0) {
        // A trip is still under way: judge each candidate as it comes.
        BoardEachCandidate(path, status, Action);
        return;
    }

    // Nobody aboard yet: a candidate is safe when its boat and the travellers
    // it leaves behind are (see SAFE_BOATS), and the other side, which no
    // candidate changes, is safe too. The unsafe candidates are counted
    // without being built; the safe ones are tried in the step's order.
    constexpr bool outbound = Action == PLACE_GOING;
    const TravellerSet leaving = outbound ? AtStartSide(current) : AtFarSide(current);
    const TravellerSet otherSide = outbound ? AtFarSide(current) : AtStartSide(current);
    const int candidates = CandidatesFrom(TRAVELLER_COUNTS[leaving]);
    if (!SAFE_GROUPS[otherSide]) {
        status.m_trials.Add(candidates);
        return;
    }
    const int first = FIRST_SAFE_BOAT[leaving];
    const int end = FIRST_SAFE_BOAT[leaving + 1];
    status.m_trials.Add(candidates - (end - first));
    for (int k = first; k < end; ++k) {
        const PackedBoat boat = SAFE_BOATS[static_cast<std::size_t>(k)];
        if (path.PushBoarded(FirstOf(boat), SecondOf(boat), Action)) {
            if constexpr (outbound)
                LandOutbound(path, status);
            else
                LandReturn(path, status);
            path.Pop();
        }
    }
}

void CSolverTask::TryBoarding(CCrossingPath& path, CSolverStatus& status, const CCrossingState& candidate, int action)
{
    if (!path.Push(candidate))
        return;
    if (action == PLACE_GOING)
        LandOutbound(path, status);
    else
        LandReturn(path, status);
    path.Pop();
}

// The same boarding step, every candidate built and judged in turn.
void CSolverTask::BoardEachCandidate(CCrossingPath& path, CSolverStatus& status, int action)
{
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        CCrossingState single = path.Current();
        if (!single.Board(i, action))
            continue;
        for (int j = i; j < TRAVELLER_COUNT; ++j) {
            CCrossingState candidate = single;
            if (j != i && !candidate.Board(j, action))
                continue;
            if (!candidate.IsSafe())
                CountTrial(status);
            else
                TryBoarding(path, status, candidate, action);
        }
    }
}
