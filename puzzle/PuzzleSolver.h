// The exact solution of a puzzle, over every arrangement between trips (who
// is across, and where the boat lies), searched back from the goal,
// everybody across with the boat. A puzzle without times is answered by the
// fewest trips (a breadth-first search); one with times by the least total
// time (Dijkstra's search), within its time limit. The solution gives that
// best, the number of best plans, also counted by type, the first best plan,
// the best continuation from any arrangement, and, when there is no way
// across, the most travellers that can stand on the far bank. A plan is a
// sequence of trips, a trip who crosses. Which trips may be made is the
// judge's to say (PuzzleJudge.h): the solver keeps no legality of its own.
#pragma once

#include "PuzzleJudge.h"

#include <cstdint>
#include <optional>
#include <vector>

// The trips, or the time, of a continuation that does not exist.
inline constexpr int NO_CONTINUATION = -1;

struct CContinuation {
    // The fewest trips that still bring everybody across: 0 when they are
    // across, NO_CONTINUATION when no trips can. With times, the trips of
    // the first fastest continuation.
    int m_trips = NO_CONTINUATION;
    // The least time still needed, in trips without times; NO_CONTINUATION
    // when there is no way.
    std::int64_t m_time = NO_CONTINUATION;
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
    // Whether the best is the least time rather than the fewest trips.
    bool IsTimed() const { return Puzzle().HasTimes(); }
    // Whether everybody can cross, within the time limit when there is one.
    bool IsSolvable() const { return !m_firstPlan.empty(); }
    // The trips of the first best plan: the fewest trips without times;
    // NO_CONTINUATION when there is no way across.
    int FewestTrips() const;
    // The least total time with times, the fewest trips without;
    // NO_CONTINUATION when there is no way across.
    std::int64_t Fastest() const;
    // How many different plans are best: 0 when there is no way across,
    // nothing when the number does not fit in 64 bits. By type, plans whose
    // trips carry the same number of each type count once.
    std::optional<std::uint64_t> ShortestPlans() const;
    std::optional<std::uint64_t> PlansByType() const;
    // The most travellers on the far bank at once in any arrangement that
    // can be reached (within the time limit): everybody when solvable.
    int MostAcross() const { return m_mostAcross; }
    // The first best plan: from the start, each time the first trip in the
    // order of BoatOrder.h that leaves the best of what remains. Empty when
    // there is no way across.
    const std::vector<TravellerSet>& FirstPlan() const { return m_firstPlan; }
    // The best continuation from any arrangement between trips of the
    // puzzle, the time limit left aside; none from one that is not
    // (travellers it does not have, a side that is neither bank).
    CContinuation Continuation(const CPuzzleState& from) const;
    // Whether the time still needed from state fits in what the limit
    // leaves after elapsed; always, without a limit, where a way exists.
    bool FitsInTime(const CPuzzleState& from, std::int64_t elapsed) const;

private:
    // A plan count that says when it no longer fits in 64 bits.
    struct CCount {
        std::uint64_t m_plans = 0;
        bool m_tooMany = false;
        void Add(const CCount& other);
    };

    // Where a state's best to the goal is kept.
    std::size_t IndexOf(const CPuzzleState& state) const;
    CPuzzleState StateAt(std::size_t index) const;
    std::int64_t BestFrom(const CPuzzleState& state) const { return m_best[IndexOf(state)]; }
    // Calls visit(boat, index of the state after it) with every trip from
    // state, in the boat order, that the judge accepts and that leaves the
    // best there is, until visit returns false.
    template <typename Visit> void ForEachBestTrip(const CPuzzleState& state, Visit&& visit) const;
    // The first trip from state that leaves the best there is, or nobody.
    TravellerSet FirstBestTrip(const CPuzzleState& state) const;
    void SearchBackFromGoal();
    // The best plans counted forward from the start, along best trips; by
    // type when states and trips are taken in their canonical members.
    CCount CountBestPlans(const class CTypeClasses* types) const;
    void FindMostAcross();
    // Replays the first plan through the judge: every trip accepted, and
    // everybody across at its end. Debug builds only.
    void CheckFirstPlan() const;

    CPuzzleJudge m_judge;
    // The least time (trips without times) to the goal from every state,
    // NO_CONTINUATION when none.
    std::vector<std::int64_t> m_best;
    CCount m_plans;
    CCount m_plansByType;
    int m_mostAcross = 0;
    std::vector<TravellerSet> m_firstPlan;
};
