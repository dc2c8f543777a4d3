// The one judge of a trip of any puzzle: whether these travellers may cross
// from here, and if not, which rule refuses them and whom it concerns. The
// game, the checker of a list of trips, the hint, and the exact solver's
// searches and continuation all ask it. Places are the start bank, the far
// bank and the boat while it crosses, whose travellers are a place of their
// own.
#pragma once

#include "Puzzle.h"
#include "core/RuleOrder.h"

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
CPuzzleState StateAfterTrip(const CPuzzleState& state, TravellerSet boat);

enum class TripAnswer {
    ACCEPTED,
    NOBODY_CHOSEN,
    TOO_MANY_CHOSEN,  // more than the boat seats
    NOT_ON_BOAT_SIDE, // a chosen traveller is not where the boat is
    RULE_BROKEN,
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

    bool IsAccepted() const { return m_answer == TripAnswer::ACCEPTED; }
};

class CPuzzleJudge {
public:
    // Works out once which groups keep every rule of a place.
    explicit CPuzzleJudge(const CPuzzle& puzzle);

    const CPuzzle& Puzzle() const { return m_puzzle; }

    // Judges a trip of the chosen travellers from state. It takes 1 to the
    // puzzle's seats travellers, all from the bank where the boat is, to the
    // other bank. The arrangement with the boat crossing is judged first;
    // when the puzzle judges landings and the crossing breaks no rule, the
    // one after the landing is judged too. TOO_MANY_CHOSEN means more than
    // the seats; chosen bits beyond the puzzle's travellers, like a side
    // that is neither bank, are not on the boat's side.
    CPuzzleVerdict Judge(const CPuzzleState& state, TravellerSet chosen) const;

    // Whether Judge accepts the trip: the same answer, from the groups
    // worked out once, for the solver's searches.
    bool Accepts(const CPuzzleState& state, TravellerSet chosen) const;

    // The first rule that the arrangement with these groups breaks, in the
    // order of the rules: the rowers' rule on those aboard, in either
    // direction; each other rule on each place in turn.
    CRuleBreach FirstBrokenRule(const PlaceGroups& groups) const;

private:
    // Whether a group, alone at a place, keeps every rule of a place.
    bool IsSafeGroup(TravellerSet group) const { return m_safeGroups[group]; }

    CPuzzle m_puzzle;
    std::vector<bool> m_safeGroups;
};
