// Judging a trip of any puzzle, and saying which rule refuses it: the game
// and the checker of a list of trips ask this judge. Places are the start
// bank, the far bank and the boat while it crosses, whose travellers are a
// place of their own.
#pragma once

#include "Puzzle.h"
#include "engine/TripJudge.h"

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

// The first rule that the arrangement with these groups breaks, in the
// order of the rules: the rowers' rule on those aboard, in either direction;
// each other rule on each place in turn.
CRuleBreach FirstBrokenRule(const CPuzzle& puzzle, const PlaceGroups& groups);

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

// Judges a trip of the chosen travellers from state. It takes 1 to the
// puzzle's seats travellers, all from the bank where the boat is, to the
// other bank. The arrangement with the boat crossing is judged first; when
// the puzzle judges landings and the crossing breaks no rule, the one after
// the landing is judged too. TOO_MANY_CHOSEN means more than the seats;
// chosen bits beyond the puzzle's travellers, like a side that is neither
// bank, are not on the boat's side.
CPuzzleVerdict JudgeTrip(const CPuzzle& puzzle, const CPuzzleState& state, TravellerSet chosen);

// The state after a trip of boat from state, whether or not it is allowed.
CPuzzleState StateAfterTrip(const CPuzzleState& state, TravellerSet boat);
