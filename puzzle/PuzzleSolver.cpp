#include "PuzzleSolver.h"

#include "BoatOrder.h"
#include "TypeClasses.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

namespace {

// A queue of states by their best, the least first.
using StateQueue = std::priority_queue<std::pair<std::int64_t, std::size_t>,
                                       std::vector<std::pair<std::int64_t, std::size_t>>, std::greater<>>;

} // namespace

void CPuzzleSolution::CCount::Add(const CCount& other)
{
    m_tooMany |= other.m_tooMany || m_plans > std::numeric_limits<std::uint64_t>::max() - other.m_plans;
    m_plans += other.m_plans;
}

CPuzzleSolution::CPuzzleSolution(const CPuzzle& puzzle) : m_judge(puzzle)
{
    SearchBackFromGoal();
    const std::int64_t best = BestFrom(CPuzzleState());
    const std::int64_t limit = Puzzle().m_timeLimit;
    if (best != NO_CONTINUATION && (limit == 0 || best <= limit)) {
        m_plans = CountBestPlans(nullptr);
        const CTypeClasses types(Puzzle());
        m_plansByType = Puzzle().HasTypes() ? CountBestPlans(&types) : m_plans;
        for (CPuzzleState state; BestFrom(state) > 0;) {
            const TravellerSet trip = FirstBestTrip(state);
            m_firstPlan.push_back(trip);
            state = StateAfterTrip(state, trip);
        }
    }
    FindMostAcross();
#ifndef NDEBUG
    CheckFirstPlan();
#endif
}

std::size_t CPuzzleSolution::IndexOf(const CPuzzleState& state) const
{
    return static_cast<std::size_t>(state.m_across) |
           (state.m_boatSide == PLACE_ARRIVED ? std::size_t{1} << Puzzle().TravellerCount() : 0);
}

CPuzzleState CPuzzleSolution::StateAt(std::size_t index) const
{
    const std::size_t farBit = std::size_t{1} << Puzzle().TravellerCount();
    return {static_cast<TravellerSet>(index & (farBit - 1)), (index & farBit) != 0 ? PLACE_ARRIVED : PLACE_START};
}

template <typename Visit> void CPuzzleSolution::ForEachBestTrip(const CPuzzleState& state, Visit&& visit) const
{
    const std::int64_t best = BestFrom(state);
    if (best <= 0)
        return;
    const TravellerSet boatSide = state.OnBoatSide(Puzzle().Everybody());
    ForEachBoat(boatSide, Puzzle().m_seats, [&](TravellerSet boat) {
        // The cheap look-up first: most trips leave no best.
        const std::size_t after = IndexOf(StateAfterTrip(state, boat));
        if (m_best[after] == NO_CONTINUATION || m_best[after] + m_judge.TripTime(boat) != best ||
            !m_judge.AcceptsBoat(boatSide, boat))
            return true;
        return visit(boat, after);
    });
}

// Back from the goal. A trip undone is the same travellers crossing back,
// so the states one trip before a known one are those that its boat's
// bank's travellers reach by crossing back, where that trip is allowed
// from. Without times every trip costs one, and the states are found layer
// by layer; with times, in the order of their least time.
void CPuzzleSolution::SearchBackFromGoal()
{
    const TravellerSet everybody = Puzzle().Everybody();
    const int seats = Puzzle().m_seats;
    m_best.assign(std::size_t{2} << Puzzle().TravellerCount(), NO_CONTINUATION);
    const CPuzzleState goal{everybody, PLACE_ARRIVED};
    m_best[IndexOf(goal)] = 0;
    if (!IsTimed()) {
        std::vector<CPuzzleState> layer = {goal};
        for (std::int64_t trips = 1; !layer.empty(); ++trips) {
            std::vector<CPuzzleState> next;
            for (const CPuzzleState& reached : layer) {
                ForEachBoat(reached.OnBoatSide(everybody), seats, [&](TravellerSet boat) {
                    const CPuzzleState before = StateAfterTrip(reached, boat);
                    std::int64_t& known = m_best[IndexOf(before)];
                    if (known == NO_CONTINUATION && m_judge.AcceptsBoat(before.OnBoatSide(everybody), boat)) {
                        known = trips;
                        next.push_back(before);
                    }
                    return true;
                });
            }
            layer = std::move(next);
        }
        return;
    }
    StateQueue queue;
    queue.push({0, IndexOf(goal)});
    while (!queue.empty()) {
        const std::int64_t time = queue.top().first;
        const std::size_t index = queue.top().second;
        queue.pop();
        if (time != m_best[index])
            continue; // an earlier, longer entry
        const CPuzzleState reached = StateAt(index);
        ForEachBoat(reached.OnBoatSide(everybody), seats, [&](TravellerSet boat) {
            const CPuzzleState before = StateAfterTrip(reached, boat);
            const std::int64_t through = time + m_judge.TripTime(boat);
            std::int64_t& known = m_best[IndexOf(before)];
            if ((known == NO_CONTINUATION || through < known) &&
                m_judge.AcceptsBoat(before.OnBoatSide(everybody), boat)) {
                known = through;
                queue.push({through, IndexOf(before)});
            }
            return true;
        });
    }
}

TravellerSet CPuzzleSolution::FirstBestTrip(const CPuzzleState& state) const
{
    TravellerSet first = 0;
    ForEachBestTrip(state, [&](TravellerSet boat, std::size_t) {
        first = boat;
        return false;
    });
    return first;
}

// Forward from the start along the best trips, each state once all the
// plans into it are counted: the best left decreases along every best trip,
// so the states are taken with the most left first. The goal's count is the
// answer. By type, only canonical states are met, and the trips from one
// that carry the same number of each type, which lead to the same canonical
// state, count once.
CPuzzleSolution::CCount CPuzzleSolution::CountBestPlans(const CTypeClasses* types) const
{
    const auto canonical = [&](const CPuzzleState& state) {
        return types == nullptr ? state : CPuzzleState{types->Canonical(state.m_across), state.m_boatSide};
    };
    std::vector<CCount> counts(m_best.size());
    std::vector<bool> queued(m_best.size());
    // The most left first: without times, layer by layer, as every best
    // trip leaves one fewer; with times, from a queue.
    std::vector<std::size_t> layer;
    std::vector<std::size_t> nextLayer;
    std::priority_queue<std::pair<std::int64_t, std::size_t>> queue;
    const auto push = [&](std::size_t index) {
        if (IsTimed())
            queue.push({m_best[index], index});
        else
            nextLayer.push_back(index);
    };
    const auto pop = [&](std::size_t& index) {
        if (IsTimed()) {
            if (queue.empty())
                return false;
            index = queue.top().second;
            queue.pop();
            return true;
        }
        if (layer.empty()) {
            layer.swap(nextLayer);
            if (layer.empty())
                return false;
        }
        index = layer.back();
        layer.pop_back();
        return true;
    };
    const std::size_t start = IndexOf(CPuzzleState());
    counts[start] = {1, false};
    push(start);
    std::vector<std::size_t> reached;
    for (std::size_t index = 0; pop(index);) {
        reached.clear();
        ForEachBestTrip(StateAt(index), [&](TravellerSet, std::size_t after) {
            const std::size_t next = types == nullptr ? after : IndexOf(canonical(StateAt(after)));
            if (types != nullptr && std::find(reached.begin(), reached.end(), next) != reached.end())
                return true;
            reached.push_back(next);
            counts[next].Add(counts[index]);
            if (!queued[next] && m_best[next] > 0) {
                queued[next] = true;
                push(next);
            }
            return true;
        });
    }
    return counts[IndexOf({Puzzle().Everybody(), PLACE_ARRIVED})];
}

// Forward from the start over every trip the judge accepts, in the order of
// the time spent, up to the limit.
void CPuzzleSolution::FindMostAcross()
{
    if (IsSolvable()) {
        m_mostAcross = Puzzle().TravellerCount();
        return;
    }
    const std::int64_t limit = Puzzle().m_timeLimit;
    std::vector<std::int64_t> spent(m_best.size(), NO_CONTINUATION);
    StateQueue queue;
    spent[IndexOf(CPuzzleState())] = 0;
    queue.push({0, IndexOf(CPuzzleState())});
    while (!queue.empty()) {
        const std::int64_t time = queue.top().first;
        const std::size_t index = queue.top().second;
        queue.pop();
        if (time != spent[index])
            continue;
        const CPuzzleState state = StateAt(index);
        m_mostAcross = std::max(m_mostAcross, std::popcount(state.m_across));
        ForEachBoat(state.OnBoatSide(Puzzle().Everybody()), Puzzle().m_seats, [&](TravellerSet boat) {
            const std::int64_t through = time + m_judge.TripTime(boat);
            const std::size_t next = IndexOf(StateAfterTrip(state, boat));
            if ((limit == 0 || through <= limit) && (spent[next] == NO_CONTINUATION || through < spent[next]) &&
                m_judge.AcceptsBoat(state.OnBoatSide(Puzzle().Everybody()), boat)) {
                spent[next] = through;
                queue.push({through, next});
            }
            return true;
        });
    }
}

int CPuzzleSolution::FewestTrips() const
{
    return IsSolvable() ? static_cast<int>(m_firstPlan.size()) : NO_CONTINUATION;
}

std::int64_t CPuzzleSolution::Fastest() const
{
    return IsSolvable() ? BestFrom(CPuzzleState()) : NO_CONTINUATION;
}

std::optional<std::uint64_t> CPuzzleSolution::ShortestPlans() const
{
    if (m_plans.m_tooMany)
        return std::nullopt;
    return m_plans.m_plans;
}

std::optional<std::uint64_t> CPuzzleSolution::PlansByType() const
{
    if (m_plansByType.m_tooMany)
        return std::nullopt;
    return m_plansByType.m_plans;
}

CContinuation CPuzzleSolution::Continuation(const CPuzzleState& from) const
{
    const bool onBank = from.m_boatSide == PLACE_START || from.m_boatSide == PLACE_ARRIVED;
    if (!onBank || (from.m_across & ~Puzzle().Everybody()) != 0)
        return {};
    CContinuation continuation;
    continuation.m_time = BestFrom(from);
    continuation.m_trip = FirstBestTrip(from);
    if (continuation.m_time == NO_CONTINUATION)
        return continuation;
    if (!IsTimed()) {
        continuation.m_trips = static_cast<int>(continuation.m_time);
        return continuation;
    }
    // With times, the trips of the first fastest continuation.
    continuation.m_trips = 0;
    for (CPuzzleState state = from; BestFrom(state) > 0; ++continuation.m_trips)
        state = StateAfterTrip(state, FirstBestTrip(state));
    return continuation;
}

bool CPuzzleSolution::FitsInTime(const CPuzzleState& from, std::int64_t elapsed) const
{
    const std::int64_t left = Continuation(from).m_time;
    return left != NO_CONTINUATION && (Puzzle().m_timeLimit == 0 || elapsed + left <= Puzzle().m_timeLimit);
}

void CPuzzleSolution::CheckFirstPlan() const
{
    CPuzzleState state;
    std::int64_t elapsed = 0;
    for (const TravellerSet trip : m_firstPlan) {
        const CPuzzleVerdict verdict = m_judge.Judge(state, trip, elapsed);
        assert(verdict.IsAccepted());
        state = verdict.m_after;
        elapsed = verdict.m_time;
    }
    assert(!IsSolvable() || (state.m_across == Puzzle().Everybody() && elapsed == Fastest()));
}
