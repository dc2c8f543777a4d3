#include "PuzzleJudge.h"

#include <algorithm>
#include <bit>
#include <cassert>

CPuzzleJudge::CPuzzleJudge(const CPuzzle& puzzle) : m_puzzle(puzzle)
{
    const std::size_t groups = std::size_t{1} << m_puzzle.TravellerCount();
    // The rules that hold on a bank, and those that hold in the boat.
    std::vector<CSafetyRule> onBank;
    std::vector<CSafetyRule> inBoat;
    for (const CSafetyRule& rule : m_puzzle.m_stated) {
        if (HoldsAt(rule, PLACE_START))
            onBank.push_back(rule);
        if (HoldsAt(rule, PLACE_GOING))
            inBoat.push_back(rule);
    }
    const auto keepsAll = [](const std::vector<CSafetyRule>& rules, TravellerSet group) {
        return std::none_of(rules.begin(), rules.end(),
                            [&](const CSafetyRule& rule) { return BreaksRule(rule, group); });
    };
    m_safe.resize(groups);
    for (std::size_t group = 0; group < groups; ++group) {
        const auto set = static_cast<TravellerSet>(group);
        m_safe[group] = static_cast<std::uint8_t>((keepsAll(onBank, set) ? SAFE_ON_BANK : 0) |
                                                  (keepsAll(inBoat, set) ? SAFE_IN_BOAT : 0));
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
