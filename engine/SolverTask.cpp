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

void CSolverTask::SearchBelow(CCrossingPath& path, CSolverStatus& status)
{
    const bool nobodyAboard = AboardIn(path.CurrentCode()) == 0;
    switch (path.Top() % STEPS_PER_ROUND_TRIP) {
    case 0:
        if (nobodyAboard)
            BoardOutbound(path, status);
        break;
    case 1:
        LandOutbound(path, status);
        break;
    case 2:
        if (nobodyAboard)
            BoardReturn(path, status);
        break;
    default:
        LandReturn(path, status);
        break;
    }
}

// The first outbound trip, from the initial arrangement: the only step that
// reports progress, once per candidate, and that does not look at the stop
// request. It tries the candidates of a boarding in their order; the safe
// ones come in the same order.
void CSolverTask::SearchFirstTrips(CCrossingPath& path, CSolverStatus& status)
{
    status.SetProgressRange(FIRST_TRIP_COUNT);
    int nextSafe = FIRST_SAFE_BOAT[ALL_TRAVELLERS];
    const int safeEnd = FIRST_SAFE_BOAT[ALL_TRAVELLERS + 1];
    for (const TravellerSet boat : CANDIDATE_BOATS) {
        if (nextSafe < safeEnd && SAFE_BOATS[static_cast<std::size_t>(nextSafe)] == boat) {
            ++nextSafe;
            if (path.PushBoarded(boat, PLACE_GOING)) {
                LandOutbound(path, status);
                path.Pop();
            }
        } else {
            CountTrial(status);
        }
        status.StepProgress();
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

    // Nobody is aboard yet: a candidate is safe when its boat and the
    // travellers it leaves behind are (see SAFE_BOATS), and the other side,
    // which no candidate changes, is safe too. The unsafe candidates are
    // counted without being built; the safe ones are tried in the step's
    // order.
    constexpr bool outbound = Action == PLACE_GOING;
    const ArrangementCode current = path.CurrentCode();
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
        const TravellerSet boat = SAFE_BOATS[static_cast<std::size_t>(k)];
        if constexpr (outbound) {
            // Most outbound landings end the path there: judged first.
            if (CountForetoldRefusal(path, status, boat))
                continue;
        }
        if (path.PushBoarded(boat, Action)) {
            if constexpr (outbound)
                LandOutbound(path, status);
            else
                LandReturn(path, status);
            path.Pop();
        }
    }
}

bool CSolverTask::CountForetoldRefusal(const CCrossingPath& path, CSolverStatus& status, TravellerSet boat)
{
    const int boardedStep = path.Top() + 1;
    const int landedStep = boardedStep + 1;
    // A boarding that fills the path is cut off before it lands: the long way.
    if (boardedStep >= PATH_CAPACITY - 1)
        return false;
    const ArrangementCode boarded = path.CurrentCode() | boat;
    const ArrangementCode landed = LandedCode(boarded);
    const int arrived = TRAVELLER_COUNTS[AtFarSide(landed)];
    if (!status.RefusesOffer(landedStep, arrived))
        return false;
    // A move the path refuses counts nothing, as in LandOutbound.
    if (!path.WouldRepeat(boardedStep, boarded) && !path.WouldRepeat(landedStep, landed)) {
        status.CountRefusedOffer(landedStep, arrived);
        CountTrial(status);
    }
    return true;
}
