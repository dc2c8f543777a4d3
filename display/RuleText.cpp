#include "RuleText.h"

#include "DisplayText.h"
#include "engine/SafetyRules.h"

#include <bit>

namespace {

// "Dastel がいないとき", "Ovrin も Dastel もいないとき": when none of the
// guards is there. "" without guards.
std::string WithoutAny(TravellerSet guards)
{
    if (guards == 0)
        return "";
    if (std::popcount(guards) == 1)
        return TravellerNames(guards) + " がいないとき";
    return TravellerNames(guards, " も ") + " もいないとき";
}

// "Hesk と", "Hesk とも Nolby とも Yarrit とも": with any of them.
std::string WithAny(TravellerSet others)
{
    if (std::popcount(others) == 1)
        return TravellerNames(others) + " と";
    return TravellerNames(others, " とも ") + " とも";
}

// The subject of a rule as the sentence's topic: "Quen は ".
std::string Topic(const CSafetyRule& rule)
{
    return TravellerNames(SubjectOf(rule)) + " は ";
}

} // namespace

std::string RuleSentence(int rule)
{
    if (rule < 1 || rule > SAFETY_RULE_COUNT)
        return "";
    const CSafetyRule& safetyRule = SafetyRule(rule);
    switch (safetyRule.m_kind) {
    case RuleKind::OPERATOR:
        return "舟には " + TravellerNames(safetyRule.m_others) + " のだれかが乗っていなければなりません";
    case RuleKind::APART_UNLESS_GUARDED: {
        const std::string unless = WithoutAny(safetyRule.m_guards);
        return Topic(safetyRule) + (unless.empty() ? "" : unless + " ") + WithAny(safetyRule.m_others) +
               "一緒にいられません";
    }
    case RuleKind::WITH_ONE_OF:
        return Topic(safetyRule) + TravellerNames(safetyRule.m_others, " か ") + " と一緒でなければなりません";
    case RuleKind::ALONE_UNLESS_GUARDED: {
        const std::string unless = WithoutAny(safetyRule.m_guards);
        return Topic(safetyRule) + (unless.empty() ? "いつも" : unless + "は") + "ひとりでいなければなりません";
    }
    }
    return "";
}

std::string VerdictSentence(const CTripVerdict& verdict)
{
    switch (verdict.m_answer) {
    case TripAnswer::ACCEPTED:
        return "";
    case TripAnswer::NOBODY_CHOSEN:
        return "舟に乗る人を選んでください";
    case TripAnswer::TOO_MANY_CHOSEN:
        return "舟に乗れるのはふたりまでです";
    case TripAnswer::NOT_ON_BOAT_SIDE:
        return TravellerNames(verdict.m_concerned, " と ") + " は舟のある岸にいません";
    case TripAnswer::RULE_BROKEN: {
        if (verdict.m_rule < 1 || verdict.m_rule > SAFETY_RULE_COUNT)
            return "";
        // Those concerned but not named by the rule: the company of a
        // traveller who must be alone.
        const TravellerSet company = verdict.m_concerned & ~NamedBy(SafetyRule(verdict.m_rule));
        std::string sentence = RuleSentence(verdict.m_rule);
        if (company != 0)
            sentence += "（" + TravellerNames(company, " と ") + " が一緒にいます）";
        return sentence;
    }
    }
    return "";
}

std::string RemainingTripsSentence(int trips)
{
    if (trips < 0) // NO_CONTINUATION
        return "ここからは渡りきれません";
    if (trips == 0)
        return "全員が渡りきりました";
    return "あと " + std::to_string(trips) + " 回で渡りきれます";
}

std::string AcrossSentence(int trips, int shortest)
{
    return std::to_string(trips) + " 回で全員が渡りきりました。" + (trips == shortest ? "最短の " : "最短は ") +
           std::to_string(shortest) + " 回です";
}
