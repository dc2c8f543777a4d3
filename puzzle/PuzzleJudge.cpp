#include "PuzzleJudge.h"

#include <bit>
#include <cassert>

CPuzzleState StateAfterTrip(const CPuzzleState& state, TravellerSet boat)
{
    const bool fromStart = state.m_boatSide == PLACE_START;
    return {fromStart ? state.m_across | boat : state.m_across & ~boat, fromStart ? PLACE_ARRIVED : PLACE_START};
}

CPuzzleJudge::CPuzzleJudge(const CPuzzle& puzzle) : m_puzzle(puzzle)
{
    const std::size_t groups = std::size_t{1} << m_puzzle.TravellerCount();
    m_safeGroups.resize(groups);
    for (std::size_t group = 0; group < groups; ++group) {
        bool safe = true;
        for (int rule = FIRST_STATED_RULE; rule <= m_puzzle.RuleCount() && safe; ++rule)
            safe = !BreaksRule(m_puzzle.Rule(rule), static_cast<TravellerSet>(group));
        m_safeGroups[group] = safe;
    }
}

CRuleBreach CPuzzleJudge::FirstBrokenRule(const PlaceGroups& groups) const
{
    return FirstBrokenRuleOf(
        m_puzzle.RuleCount(), [&](int rule) { return m_puzzle.Rule(rule); }, groups);
}

CPuzzleVerdict CPuzzleJudge::Judge(const CPuzzleState& state, TravellerSet chosen) const
{
    CPuzzleVerdict verdict;
    verdict.m_after = state;
    const int count = std::popcount(chosen);
    if (count == 0) {
        verdict.m_answer = TripAnswer::NOBODY_CHOSEN;
        return verdict;
    }
    if (count > m_puzzle.m_seats) {
        verdict.m_answer = TripAnswer::TOO_MANY_CHOSEN;
        return verdict;
    }
    const TravellerSet everybody = m_puzzle.Everybody();
    const bool onBank = state.m_boatSide == PLACE_START || state.m_boatSide == PLACE_ARRIVED;
    const TravellerSet notThere = chosen & ~(onBank ? state.OnBoatSide(everybody) : 0);
    if (notThere != 0) {
        verdict.m_answer = TripAnswer::NOT_ON_BOAT_SIDE;
        verdict.m_concerned = notThere;
        return verdict;
    }

    // Those aboard on a return trip are still counted across until they land.
    CRuleBreach breach = FirstBrokenRule(GroupsOf(everybody, chosen, state.m_across));
    const CPuzzleState after = StateAfterTrip(state, chosen);
    if (breach.m_rule == RULE_NONE && m_puzzle.m_landings) {
        breach = FirstBrokenRule(GroupsOf(everybody, 0, after.m_across));
        verdict.m_onArrival = breach.m_rule != RULE_NONE;
    }
    // The searches' quick answer must be this one.
    assert(Accepts(state, chosen) == (breach.m_rule == RULE_NONE));
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

// Somebody aboard rows, and every place keeps the other rules: those left
// behind, those aboard, the other bank and, when landings are judged, that
// bank with those aboard on it. (The bank left behind is the same after the
// landing.)
bool CPuzzleJudge::Accepts(const CPuzzleState& state, TravellerSet chosen) const
{
    const TravellerSet everybody = m_puzzle.Everybody();
    const bool onBank = state.m_boatSide == PLACE_START || state.m_boatSide == PLACE_ARRIVED;
    const TravellerSet boatSide = onBank ? state.OnBoatSide(everybody) : 0;
    if (chosen == 0 || std::popcount(chosen) > m_puzzle.m_seats || (chosen & ~boatSide) != 0)
        return false;
    const TravellerSet otherSide = everybody & ~boatSide;
    return (chosen & m_puzzle.m_rowers) != 0 && IsSafeGroup(chosen) && IsSafeGroup(boatSide & ~chosen) &&
           IsSafeGroup(otherSide) && (!m_puzzle.m_landings || IsSafeGroup(otherSide | chosen));
}
