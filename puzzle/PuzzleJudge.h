// The one judge of a trip of any puzzle: whether these travellers may cross
// from here, and if not, which rule refuses them and whom it concerns. The
// game, the checker of a list of trips, the hint, and the exact solver's
// searches and continuation all ask it. Places are the start bank, the far
// bank and the boat while it crosses, whose travellers are a place of their
// own.
#pragma once

#include "Puzzle.h"
#include "core/RuleOrder.h"

#include <bit>
#include <cassert>
#include <cstdint>
#include <vector>

// A puzzle's arrangement between trips: those on the far bank, and the bank
// where the boat lies (PLACE_START or PLACE_ARRIVED).
struct CPuzzleState {
    TravellerSet m_across = 0;
    int m_boatSide = PLACE_START;

    // Those on the bank where the boat is, who can take it.
    TravellerSet OnBoatSide(TravellerSet everybody) const
    {
        return m_boatSide == PLACE_ARRIVED ? m_across : everybody & ~m_across;
    }
    bool operator==(const CPuzzleState&) const = default;
};

// The state after a trip of boat from state, whether or not it is allowed.
inline CPuzzleState StateAfterTrip(const CPuzzleState& state, TravellerSet boat)
{
    const bool fromStart = state.m_boatSide == PLACE_START;
    return {fromStart ? state.m_across | boat : state.m_across & ~boat, fromStart ? PLACE_ARRIVED : PLACE_START};
}

enum class TripAnswer {
    ACCEPTED,
    NOBODY_CHOSEN,
    TOO_MANY_CHOSEN,  // more than the boat seats
    NOT_ON_BOAT_SIDE, // a chosen traveller is not where the boat is
    TOO_HEAVY,        // more weight than the boat's load
    RULE_BROKEN,
    OVER_TIME, // past the time limit
};

struct CPuzzleVerdict {
    TripAnswer m_answer = TripAnswer::NOBODY_CHOSEN;
    // RULE_BROKEN: the lowest-numbered rule broken, and whether it breaks
    // only once the boat has landed.
    int m_rule = RULE_NONE;
    bool m_onArrival = false;
    // Whom a refusal is about: those chosen who are not on the boat's side,
    // or those the broken rule concerns. Nobody for the other answers.
    TravellerSet m_concerned = 0;
    // ACCEPTED: the arrangement after the trip. Otherwise the one judged.
    CPuzzleState m_after;
    // TOO_HEAVY: the weight of those chosen.
    std::int64_t m_weight = 0;
    // ACCEPTED and OVER_TIME: the time the whole crossing takes with this
    // trip; with trips for time in a puzzle without times.
    std::int64_t m_time = 0;

    bool IsAccepted() const { return m_answer == TripAnswer::ACCEPTED; }
};

class CPuzzleJudge {
public:
    // Works out once which groups keep every rule of a place.
    explicit CPuzzleJudge(const CPuzzle& puzzle);

    const CPuzzle& Puzzle() const { return m_puzzle; }

    // Judges a trip of the chosen travellers from state, after a crossing
    // of elapsed so far, and refuses it at the first thing it breaks, in
    // this order: the number aboard, 1 to the seats (TOO_MANY_CHOSEN means
    // more); everyone aboard on the bank where the boat is (chosen bits
    // beyond the puzzle's travellers, like a side that is neither bank, are
    // not); the load; the rules, on the arrangement with the boat crossing,
    // each where it holds; when landings are judged, the rules on the two
    // banks after the landing; and the time limit, with this trip's time.
    CPuzzleVerdict Judge(const CPuzzleState& state, TravellerSet chosen, std::int64_t elapsed = 0) const;

    // Whether Judge accepts the trip, the time limit left aside: the same
    // answer, from tables worked out once, for the solver's searches, which
    // keep the time themselves.
    bool Accepts(const CPuzzleState& state, TravellerSet chosen) const;
    // The same for a boat of 1 to the seats travellers, all from boatSide,
    // those on the bank where the boat is: the searches' innermost question.
    bool AcceptsBoat(TravellerSet boatSide, TravellerSet boat) const;

    // The first rule that the arrangement with these groups breaks, in the
    // order of the rules: the rowers' rule on those aboard, in either
    // direction; each other rule on each place in turn.
    CRuleBreach FirstBrokenRule(const PlaceGroups& groups) const;

    // How long a trip of 1 to the seats travellers takes (CPuzzle::TimeOf),
    // from a table: 1 without times.
    std::int64_t TripTime(TravellerSet travellers) const { return m_times.empty() ? 1 : m_times[travellers]; }

private:
    // Whether a group alone on a bank, or alone in the boat, keeps every
    // rule that holds there.
    bool IsSafeOnBank(TravellerSet group) const { return (m_safe[group] & SAFE_ON_BANK) != 0; }
    bool IsSafeInBoat(TravellerSet group) const { return (m_safe[group] & SAFE_IN_BOAT) != 0; }

    static constexpr std::uint8_t SAFE_ON_BANK = 1;
    static constexpr std::uint8_t SAFE_IN_BOAT = 2;

    CPuzzle m_puzzle;
    // SAFE_ON_BANK and SAFE_IN_BOAT of every group.
    std::vector<std::uint8_t> m_safe;
    // Each set's weight, with a load; each set's trip time, with times.
    std::vector<std::int64_t> m_weights;
    std::vector<std::int64_t> m_times;
};

// Inline: the searches ask it for every trip they look at.
inline bool CPuzzleJudge::AcceptsBoat(TravellerSet boatSide, TravellerSet boat) const
{
    assert(boat != 0 && std::popcount(boat) <= m_puzzle.m_seats && (boat & ~boatSide) == 0);
    if (!m_weights.empty() && m_weights[boat] > m_puzzle.m_load)
        return false;
    const TravellerSet otherSide = m_puzzle.Everybody() & ~boatSide;
    return (boat & m_puzzle.m_rowers) != 0 && IsSafeInBoat(boat) && IsSafeOnBank(boatSide & ~boat) &&
           IsSafeOnBank(otherSide) && (!m_puzzle.m_landings || IsSafeOnBank(otherSide | boat));
}
