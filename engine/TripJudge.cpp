#include "TripJudge.h"

#include <array>
#include <bit>

CRuleBreach FirstBrokenRule(const CCrossingState& state)
{
    return FirstBrokenRuleOf(SAFETY_RULE_COUNT, SafetyRule, GroupsOf(state));
}

CTripVerdict JudgeTrip(const CCrossingState& landed, int boatSide, TravellerSet chosen)
{
    CTripVerdict verdict;
    verdict.m_landed = landed;
    const int count = std::popcount(chosen);
    if (count == 0) {
        verdict.m_answer = TripAnswer::NOBODY_CHOSEN;
        return verdict;
    }
    if (count > 2) {
        verdict.m_answer = TripAnswer::TOO_MANY_CHOSEN;
        return verdict;
    }

    // Board refuses a traveller who is not at the side the action leaves.
    const int action = boatSide == PLACE_START || boatSide == PLACE_ARRIVED ? BoardingAction(boatSide) : PLACE_UNKNOWN;
    CCrossingState loaded = landed;
    TravellerSet notThere = chosen & ~ALL_TRAVELLERS;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if ((chosen & TravellerBit(t)) != 0 && !loaded.Board(t, action))
            notThere |= TravellerBit(t);
    }
    if (notThere != 0) {
        verdict.m_answer = TripAnswer::NOT_ON_BOAT_SIDE;
        verdict.m_concerned = notThere;
        return verdict;
    }

    const CRuleBreach breach = FirstBrokenRule(loaded);
    if (breach.m_rule != RULE_NONE) {
        verdict.m_answer = TripAnswer::RULE_BROKEN;
        verdict.m_rule = breach.m_rule;
        verdict.m_concerned = breach.m_concerned;
        return verdict;
    }
    loaded.Land();
    verdict.m_answer = TripAnswer::ACCEPTED;
    verdict.m_landed = loaded;
    return verdict;
}
