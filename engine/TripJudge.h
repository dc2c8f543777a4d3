// Judging a trip as the search judges its candidates, and saying why one is
// refused: the judge behind the game and the checker of a list of trips.
#pragma once

#include "CrossingState.h"
#include "SafetyRules.h"
#include "Travellers.h"

// The first safety rule an arrangement breaks, and whom it concerns.
struct CRuleBreach {
    int m_rule = RULE_NONE;       // 1 to SAFETY_RULE_COUNT, or RULE_NONE
    TravellerSet m_concerned = 0; // ConcernedBy the rule, at the place that breaks it
};

// The first of rules 1 to ruleCount, rule n being ruleAt(n), that the
// arrangement with these groups breaks: the rules tested in their order,
// each on every place before the next one (the operator rule on those
// aboard, in either direction; the others on each place in turn, the group
// aboard being a place of its own). The one order of judging, for the
// built-in puzzle and for any other.
template <typename RuleAt> CRuleBreach FirstBrokenRuleOf(int ruleCount, RuleAt&& ruleAt, const PlaceGroups& groups)
{
    const TravellerSet aboard = groups[PLACE_GOING] | groups[PLACE_RETURNING];
    for (int rule = 1; rule <= ruleCount; ++rule) {
        const CSafetyRule safetyRule = ruleAt(rule);
        if (JudgesAboard(safetyRule)) {
            if (BreaksRule(safetyRule, aboard))
                return {rule, ConcernedBy(safetyRule, aboard)};
            continue;
        }
        for (const TravellerSet group : groups) {
            if (BreaksRule(safetyRule, group))
                return {rule, ConcernedBy(safetyRule, group)};
        }
    }
    return {};
}

// The built-in puzzle's rules on an arrangement. The rule is RULE_NONE
// exactly when IsSafe holds.
CRuleBreach FirstBrokenRule(const CCrossingState& state);

// The boat lies at PLACE_START before the first trip and changes sides with
// every trip.
constexpr int BoatSideAfter(int trips)
{
    return trips % 2 == 0 ? PLACE_START : PLACE_ARRIVED;
}

// How travellers board at boatSide: PLACE_GOING from the start side,
// PLACE_RETURNING from the far side.
constexpr int BoardingAction(int boatSide)
{
    return boatSide == PLACE_START ? PLACE_GOING : PLACE_RETURNING;
}

enum class TripAnswer {
    ACCEPTED,
    NOBODY_CHOSEN,
    TOO_MANY_CHOSEN,  // more than the boat seats
    NOT_ON_BOAT_SIDE, // a chosen traveller is not where the boat is
    RULE_BROKEN,
};

struct CTripVerdict {
    TripAnswer m_answer = TripAnswer::NOBODY_CHOSEN;
    int m_rule = RULE_NONE; // for RULE_BROKEN, the first rule broken
    // Whom a refusal is about: those chosen who are not on the boat's side,
    // or those the broken rule concerns. Nobody for the other answers.
    TravellerSet m_concerned = 0;
    // ACCEPTED: the arrangement after the trip, landed. Otherwise the
    // arrangement judged, unchanged.
    CCrossingState m_landed;

    bool IsAccepted() const { return m_answer == TripAnswer::ACCEPTED; }
};

// Judges a trip of the chosen travellers from landed, an arrangement with
// nobody aboard, with the boat at boatSide (PLACE_START or PLACE_ARRIVED), as
// the search judges a boarding: the travellers board with Board, and the
// arrangement with the boat loaded must be safe; the landing is not judged.
// Bits of chosen beyond the twelve travellers, like a boatSide that is
// neither side, make the chosen not on the boat's side.
CTripVerdict JudgeTrip(const CCrossingState& landed, int boatSide, TravellerSet chosen);
