// The exact solution of a puzzle: a breadth-first search over every
// arrangement between trips (who is across, and where the boat lies), back
// from the goal, everybody across with the boat. It gives the fewest trips,
// the number of shortest plans, the first shortest plan, and the shortest
// continuation from any arrangement; or that there is no way across. A plan
// is a sequence of trips, a trip who crosses. Which trips may be made is the
// judge's to say (PuzzleJudge.h): the solver keeps no legality of its own.
#pragma once

#include "PuzzleJudge.h"

#include <cstdint>
#include <optional>
#include <vector>

// The trips of a continuation that does not exist.
inline constexpr int NO_CONTINUATION = -1;

struct CContinuation {
    // The fewest trips that still bring everybody across: 0 when they are
    // across, NO_CONTINUATION when no trips can.
    int m_trips = NO_CONTINUATION;
    // A trip that starts such a continuation, the first in the order of
    // BoatOrder.h; nobody when m_trips is 0 or NO_CONTINUATION.
    TravellerSet m_trip = 0;
};

class CPuzzleSolution {
public:
    // Solves puzzle, with everybody and the boat on the start bank at first.
    explicit CPuzzleSolution(const CPuzzle& puzzle);

    const CPuzzle& Puzzle() const { return m_judge.Puzzle(); }
    // The judge of every trip, the solver's own searches' included.
    const CPuzzleJudge& Judge() const { return m_judge; }
    bool IsSolvable() const { return FewestTrips() != NO_CONTINUATION; }
    // From the start; NO_CONTINUATION when there is no way across.
    int FewestTrips() const;
    // How many different plans take the fewest trips: 0 when there is no
    // way across, nothing when the number does not fit in 64 bits.
    std::optional<std::uint64_t> ShortestPlans() const;
    // The first shortest plan: from the start, each time the first trip in
    // the order of BoatOrder.h that leaves one trip fewer to make. Empty when
    // there is no way across.
    const std::vector<TravellerSet>& FirstPlan() const { return m_firstPlan; }
    // The shortest continuation from any arrangement between trips of the
    // puzzle; none from one that is not (travellers it does not have, a
    // side that is neither bank).
    CContinuation Continuation(const CPuzzleState& from) const;

private:
    // Where a state's distance to the goal is kept.
    std::size_t IndexOf(const CPuzzleState& state) const;
    // The first trip from state that leaves one trip fewer to make, or
    // nobody.
    TravellerSet FirstShortestTrip(const CPuzzleState& state) const;
    void SearchBackFromGoal();
    void CountShortestPlans();
    // Replays the first plan through the judge: every trip accepted, and
    // everybody across at its end. Debug builds only.
    void CheckFirstPlan() const;

    CPuzzleJudge m_judge;
    // The fewest trips to the goal of every state, NO_CONTINUATION when none.
    std::vector<std::int32_t> m_trips;
    std::uint64_t m_plans = 0;
    bool m_tooManyPlans = false;
    std::vector<TravellerSet> m_firstPlan;
};
