#include "PuzzleSolver.h"

#include "BoatOrder.h"

#include <cassert>
#include <limits>

CPuzzleSolution::CPuzzleSolution(const CPuzzle& puzzle) : m_judge(puzzle)
{
    SearchBackFromGoal();
    CountShortestPlans();
#ifndef NDEBUG
    CheckFirstPlan();
#endif
}

std::size_t CPuzzleSolution::IndexOf(const CPuzzleState& state) const
{
    return static_cast<std::size_t>(state.m_across) |
           (state.m_boatSide == PLACE_ARRIVED ? std::size_t{1} << Puzzle().TravellerCount() : 0);
}

// Layer by layer back from the goal. A trip undone is the same travellers
// crossing back, so the states one trip before a known one are those that
// its boat's bank's travellers reach by crossing back, where that trip is
// allowed from.
void CPuzzleSolution::SearchBackFromGoal()
{
    const TravellerSet everybody = Puzzle().Everybody();
    m_trips.assign(std::size_t{2} << Puzzle().TravellerCount(), NO_CONTINUATION);
    const CPuzzleState goal{everybody, PLACE_ARRIVED};
    m_trips[IndexOf(goal)] = 0;
    std::vector<CPuzzleState> layer = {goal};
    for (std::int32_t trips = 1; !layer.empty(); ++trips) {
        std::vector<CPuzzleState> next;
        for (const CPuzzleState& reached : layer) {
            ForEachBoat(reached.OnBoatSide(everybody), Puzzle().m_seats, [&](TravellerSet boat) {
                const CPuzzleState before = StateAfterTrip(reached, boat);
                std::int32_t& known = m_trips[IndexOf(before)];
                if (known == NO_CONTINUATION && m_judge.Accepts(before, boat)) {
                    known = trips;
                    next.push_back(before);
                }
                return true;
            });
        }
        layer = std::move(next);
    }
}

TravellerSet CPuzzleSolution::FirstShortestTrip(const CPuzzleState& state) const
{
    const std::int32_t trips = m_trips[IndexOf(state)];
    TravellerSet first = 0;
    if (trips <= 0)
        return first;
    ForEachBoat(state.OnBoatSide(Puzzle().Everybody()), Puzzle().m_seats, [&](TravellerSet boat) {
        if (m_trips[IndexOf(StateAfterTrip(state, boat))] == trips - 1 && m_judge.Accepts(state, boat))
            first = boat;
        return first == 0;
    });
    return first;
}

// Forward from the start, layer by layer along the trips that leave one trip
// fewer: the plans that reach each state of a layer add up over the trips
// into it. The goal's number is the answer.
void CPuzzleSolution::CountShortestPlans()
{
    const CPuzzleState start;
    const std::int32_t fewest = m_trips[IndexOf(start)];
    if (fewest == NO_CONTINUATION)
        return;
    struct CReached {
        bool m_reached = false;
        std::uint64_t m_plans = 0;
        bool m_tooMany = false; // m_plans overflowed
    };
    std::vector<CReached> reached(m_trips.size());
    reached[IndexOf(start)] = {true, 1, false};
    std::vector<CPuzzleState> layer = {start};
    for (std::int32_t left = fewest; left > 0; --left) {
        std::vector<CPuzzleState> next;
        for (const CPuzzleState& state : layer) {
            const CReached from = reached[IndexOf(state)];
            ForEachBoat(state.OnBoatSide(Puzzle().Everybody()), Puzzle().m_seats, [&](TravellerSet boat) {
                const CPuzzleState after = StateAfterTrip(state, boat);
                if (m_trips[IndexOf(after)] != left - 1 || !m_judge.Accepts(state, boat))
                    return true;
                CReached& to = reached[IndexOf(after)];
                if (!to.m_reached)
                    next.push_back(after);
                to.m_reached = true;
                to.m_tooMany |= from.m_tooMany || to.m_plans > std::numeric_limits<std::uint64_t>::max() - from.m_plans;
                to.m_plans += from.m_plans;
                return true;
            });
        }
        layer = std::move(next);
    }
    const CReached& goal = reached[IndexOf({Puzzle().Everybody(), PLACE_ARRIVED})];
    m_plans = goal.m_plans;
    m_tooManyPlans = goal.m_tooMany;

    for (CPuzzleState state = start; m_trips[IndexOf(state)] > 0;) {
        const TravellerSet trip = FirstShortestTrip(state);
        m_firstPlan.push_back(trip);
        state = StateAfterTrip(state, trip);
    }
}

int CPuzzleSolution::FewestTrips() const
{
    return m_trips[IndexOf(CPuzzleState())];
}

std::optional<std::uint64_t> CPuzzleSolution::ShortestPlans() const
{
    if (m_tooManyPlans)
        return std::nullopt;
    return m_plans;
}

CContinuation CPuzzleSolution::Continuation(const CPuzzleState& from) const
{
    const bool onBank = from.m_boatSide == PLACE_START || from.m_boatSide == PLACE_ARRIVED;
    if (!onBank || (from.m_across & ~Puzzle().Everybody()) != 0)
        return {};
    return {m_trips[IndexOf(from)], FirstShortestTrip(from)};
}

void CPuzzleSolution::CheckFirstPlan() const
{
    CPuzzleState state;
    for (const TravellerSet trip : m_firstPlan) {
        const CPuzzleVerdict verdict = m_judge.Judge(state, trip);
        assert(verdict.IsAccepted());
        state = verdict.m_after;
    }
    assert(!IsSolvable() || state.m_across == Puzzle().Everybody());
}
