#include "PuzzleJudge.h"

#include <bit>

CRuleBreach FirstBrokenRule(const CPuzzle& puzzle, const PlaceGroups& groups)
{
    return FirstBrokenRuleOf(
        puzzle.RuleCount(), [&](int rule) { return puzzle.Rule(rule); }, groups);
}

CPuzzleState StateAfterTrip(const CPuzzleState& state, TravellerSet boat)
{
    const bool fromStart = state.m_boatSide == PLACE_START;
    return {fromStart ? state.m_across | boat : state.m_across & ~boat, fromStart ? PLACE_ARRIVED : PLACE_START};
}

CPuzzleVerdict JudgeTrip(const CPuzzle& puzzle, const CPuzzleState& state, TravellerSet chosen)
{
    CPuzzleVerdict verdict;
    verdict.m_after = state;
    const int count = std::popcount(chosen);
    if (count == 0) {
        verdict.m_answer = TripAnswer::NOBODY_CHOSEN;
        return verdict;
    }
    if (count > puzzle.m_seats) {
        verdict.m_answer = TripAnswer::TOO_MANY_CHOSEN;
        return verdict;
    }
    const TravellerSet everybody = puzzle.Everybody();
    const bool onBank = state.m_boatSide == PLACE_START || state.m_boatSide == PLACE_ARRIVED;
    const TravellerSet notThere = chosen & ~(onBank ? state.OnBoatSide(everybody) : 0);
    if (notThere != 0) {
        verdict.m_answer = TripAnswer::NOT_ON_BOAT_SIDE;
        verdict.m_concerned = notThere;
        return verdict;
    }

    // Those aboard on a return trip are still counted across until they land.
    CRuleBreach breach = FirstBrokenRule(puzzle, GroupsOf(everybody, chosen, state.m_across));
    const CPuzzleState after = StateAfterTrip(state, chosen);
    if (breach.m_rule == RULE_NONE && puzzle.m_landings) {
        breach = FirstBrokenRule(puzzle, GroupsOf(everybody, 0, after.m_across));
        verdict.m_onArrival = breach.m_rule != RULE_NONE;
    }
    if (breach.m_rule != RULE_NONE) {
        verdict.m_answer = TripAnswer::RULE_BROKEN;
        verdict.m_rule = breach.m_rule;
        verdict.m_concerned = breach.m_concerned;
        return verdict;
    }
    verdict.m_answer = TripAnswer::ACCEPTED;
    verdict.m_after = after;
    return verdict;
}
