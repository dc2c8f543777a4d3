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
    m_safeOnBank.resize(groups);
    m_safeInBoat.resize(groups);
    for (std::size_t group = 0; group < groups; ++group) {
        bool onBank = true;
        bool inBoat = true;
        for (int rule = FIRST_STATED_RULE; rule <= m_puzzle.RuleCount(); ++rule) {
            const CSafetyRule stated = m_puzzle.Rule(rule);
            const bool broken = BreaksRule(stated, static_cast<TravellerSet>(group));
            onBank = onBank && !(broken && HoldsAt(stated, PLACE_START));
            inBoat = inBoat && !(broken && HoldsAt(stated, PLACE_GOING));
        }
        m_safeOnBank[group] = onBank;
        m_safeInBoat[group] = inBoat;
    }
    // Only sets as large as the boat are ever asked about.
    if (m_puzzle.HasLoad())
        m_weights.resize(groups);
    if (m_puzzle.HasTimes())
        m_times.resize(groups);
    for (std::size_t group = 0; group < groups && (m_puzzle.HasLoad() || m_puzzle.HasTimes()); ++group) {
        const auto set = static_cast<TravellerSet>(group);
        if (std::popcount(set) > m_puzzle.m_seats)
            continue;
        if (m_puzzle.HasLoad())
            m_weights[group] = m_puzzle.WeightOf(set);
        if (m_puzzle.HasTimes())
            m_times[group] = m_puzzle.TimeOf(set);
    }
}

CRuleBreach CPuzzleJudge::FirstBrokenRule(const PlaceGroups& groups) const
{
    return FirstBrokenRuleOf(
        m_puzzle.RuleCount(), [&](int rule) { return m_puzzle.Rule(rule); }, groups);
}

std::int64_t CPuzzleJudge::TripTime(TravellerSet travellers) const
{
    return m_times.empty() || std::popcount(travellers) > m_puzzle.m_seats ? m_puzzle.TimeOf(travellers)
                                                                           : m_times[travellers];
}

CPuzzleVerdict CPuzzleJudge::Judge(const CPuzzleState& state, TravellerSet chosen, std::int64_t elapsed) const
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
    if (m_puzzle.HasLoad() && m_puzzle.WeightOf(chosen) > m_puzzle.m_load) {
        verdict.m_answer = TripAnswer::TOO_HEAVY;
        verdict.m_weight = m_puzzle.WeightOf(chosen);
        verdict.m_concerned = chosen;
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
    verdict.m_time = elapsed + m_puzzle.TimeOf(chosen);
    if (m_puzzle.m_timeLimit > 0 && verdict.m_time > m_puzzle.m_timeLimit) {
        verdict.m_answer = TripAnswer::OVER_TIME;
        verdict.m_concerned = chosen;
        return verdict;
    }
    verdict.m_answer = TripAnswer::ACCEPTED;
    verdict.m_after = after;
    return verdict;
}

// Within the load, somebody aboard rows, and every place keeps the rules
// that hold there: those left behind, those aboard, the other bank and,
// when landings are judged, that bank with those aboard on it. (The bank
// left behind is the same after the landing.)
bool CPuzzleJudge::Accepts(const CPuzzleState& state, TravellerSet chosen) const
{
    const TravellerSet everybody = m_puzzle.Everybody();
    const bool onBank = state.m_boatSide == PLACE_START || state.m_boatSide == PLACE_ARRIVED;
    const TravellerSet boatSide = onBank ? state.OnBoatSide(everybody) : 0;
    if (chosen == 0 || std::popcount(chosen) > m_puzzle.m_seats || (chosen & ~boatSide) != 0)
        return false;
    return AcceptsBoat(boatSide, chosen);
}

bool CPuzzleJudge::AcceptsBoat(TravellerSet boatSide, TravellerSet boat) const
{
    assert(boat != 0 && std::popcount(boat) <= m_puzzle.m_seats && (boat & ~boatSide) == 0);
    if (!m_weights.empty() && m_weights[boat] > m_puzzle.m_load)
        return false;
    const TravellerSet otherSide = m_puzzle.Everybody() & ~boatSide;
    return (boat & m_puzzle.m_rowers) != 0 && IsSafeInBoat(boat) && IsSafeOnBank(boatSide & ~boat) &&
           IsSafeOnBank(otherSide) && (!m_puzzle.m_landings || IsSafeOnBank(otherSide | boat));
}
