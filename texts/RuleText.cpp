#include "RuleText.h"

#include "CountText.h"
#include "DisplayText.h"
#include "puzzle/PuzzleSolver.h"

#include <bit>

namespace {

// The sentences below are built from clauses without their 。.
std::string Sentence(const std::string& clause)
{
    return clause.empty() ? clause : clause + "。";
}

class CRuleClauses {
public:
    explicit CRuleClauses(const CPuzzle& puzzle) : m_puzzle(puzzle) {}

    // The rule, said where it holds unless withWhere is false.
    std::string Rule(const CSafetyRule& rule, bool withWhere = true) const
    {
        const std::string where = !withWhere                         ? ""
                                  : rule.m_where == RulePlace::BOAT  ? "舟の上では、"
                                  : rule.m_where == RulePlace::BANKS ? "岸では、"
                                                                     : "";
        return where + What(rule);
    }

    std::string Names(TravellerSet travellers, const char* separator = "、") const
    {
        return NamesOf(m_puzzle, travellers, separator);
    }

private:
    std::string What(const CSafetyRule& rule) const
    {
        switch (rule.m_kind) {
        case RuleKind::OPERATOR:
            if (std::popcount(rule.m_others) == 1)
                return "舟には " + Names(rule.m_others) + " が乗っていなければなりません";
            return "舟には " + Names(rule.m_others) + " のだれかが乗っていなければなりません";
        case RuleKind::APART_UNLESS_GUARDED: {
            const std::string unless = WithoutAny(rule.m_guards);
            return Topic(rule) + (unless.empty() ? "" : unless + " ") + WithAny(rule.m_others) + "一緒にいられません";
        }
        case RuleKind::WITH_ONE_OF:
            return Topic(rule) + Names(rule.m_others, " か ") + " と一緒でなければなりません";
        case RuleKind::ALONE_UNLESS_GUARDED: {
            const std::string unless = WithoutAny(rule.m_guards);
            return Topic(rule) + (unless.empty() ? "いつも" : unless + "は") + "ひとりでいなければなりません";
        }
        case RuleKind::OUTNUMBERED:
            return Names(rule.m_others) + " がいるところでは " + Names(rule.m_rivals) + " のほうが多くてはいけません";
        }
        return "";
    }

    // "Dastel がいないとき", "Ovrin も Dastel もいないとき": when none of
    // the guards is there. "" without guards.
    std::string WithoutAny(TravellerSet guards) const
    {
        if (guards == 0)
            return "";
        if (std::popcount(guards) == 1)
            return Names(guards) + " がいないとき";
        return Names(guards, " も ") + " もいないとき";
    }

    // "Hesk と", "Hesk とも Nolby とも Yarrit とも": with any of them.
    std::string WithAny(TravellerSet others) const
    {
        if (std::popcount(others) == 1)
            return Names(others) + " と";
        return Names(others, " とも ") + " とも";
    }

    // The subject of a rule as the sentence's topic: "Quen は ".
    std::string Topic(const CSafetyRule& rule) const { return Names(SubjectOf(rule)) + " は "; }

    const CPuzzle& m_puzzle;
};

} // namespace

std::string RuleSentence(const CPuzzle& puzzle, int rule)
{
    if (!puzzle.IsRule(rule))
        return "";
    return Sentence(CRuleClauses(puzzle).Rule(puzzle.Rule(rule)));
}

std::string VerdictSentence(const CPuzzle& puzzle, const CPuzzleVerdict& verdict)
{
    const CRuleClauses clauses(puzzle);
    switch (verdict.m_answer) {
    case TripAnswer::ACCEPTED:
        return "";
    case TripAnswer::NOBODY_CHOSEN:
        return "舟に乗る人を選んでください。";
    case TripAnswer::TOO_MANY_CHOSEN:
        return SeatsSentence(puzzle);
    case TripAnswer::NOT_ON_BOAT_SIDE:
        return clauses.Names(verdict.m_concerned, " と ") + " は舟のある岸にいません。";
    case TripAnswer::TOO_HEAVY:
        return LoadSentence(puzzle) + "選んだ人の重さは " + std::to_string(verdict.m_weight) + " です。";
    case TripAnswer::OVER_TIME:
        return "この渡りで " + TimeText(verdict.m_time, puzzle.m_timeUnit) + "になり、制限の " +
               TimeText(puzzle.m_timeLimit, puzzle.m_timeUnit) + "を超えます。";
    case TripAnswer::RULE_BROKEN: {
        if (!puzzle.IsRule(verdict.m_rule))
            return "";
        const CSafetyRule rule = puzzle.Rule(verdict.m_rule);
        // A trip refused on landing breaks the rule on the bank it reaches.
        const int reached = verdict.m_after.m_boatSide == PLACE_START ? PLACE_ARRIVED : PLACE_START;
        const std::string arrival = verdict.m_onArrival ? puzzle.BankName(reached) + "に着くと、" : "";
        // Those concerned but not named by the rule: the company of a
        // traveller who must be alone.
        const TravellerSet company = verdict.m_concerned & ~NamedBy(rule);
        const std::string with = company != 0 ? "（" + clauses.Names(company, " と ") + " が一緒にいます）" : "";
        return Sentence(arrival + clauses.Rule(rule, !verdict.m_onArrival) + with);
    }
    }
    return "";
}

std::string SeatsSentence(const CPuzzle& puzzle)
{
    return "舟に乗れるのは" + SeatsText(puzzle.m_seats) + "までです。";
}

std::string LoadSentence(const CPuzzle& puzzle)
{
    return "舟に乗れるのは重さ " + std::to_string(puzzle.m_load) + " までです。";
}

std::string TimeLimitSentence(const CPuzzle& puzzle)
{
    return "全員が渡りきるまでの時間は " + TimeText(puzzle.m_timeLimit, puzzle.m_timeUnit) + "までです。";
}

std::string RemainingTripsSentence(int trips)
{
    if (trips == NO_CONTINUATION)
        return "ここからは渡りきれません。";
    if (trips == 0)
        return "全員が渡りきりました。";
    return "あと " + TripsText(trips) + "で渡りきれます。";
}

std::string FinishedSentence(int trips, int shortest)
{
    const std::string done = TripsText(trips) + "で渡りきりました。最短の " + TripsText(shortest);
    if (trips == shortest)
        return done + "と同じです。";
    return done + "より " + TripsText(trips - shortest) + "多いです。";
}

std::string RemainingTimeSentence(const CPuzzle& puzzle, std::int64_t time, bool fits)
{
    if (time == NO_CONTINUATION || time == 0)
        return RemainingTripsSentence(static_cast<int>(time));
    const std::string left = "あと最速 " + TimeText(time, puzzle.m_timeUnit) + "で渡りきれます";
    if (fits)
        return left + "。";
    return left + "が、制限の " + TimeText(puzzle.m_timeLimit, puzzle.m_timeUnit) + "には間に合いません。";
}

std::string FinishedTimeSentence(const CPuzzle& puzzle, int trips, std::int64_t time, std::int64_t fastest)
{
    const std::string done = TripsText(trips) + "・" + TimeText(time, puzzle.m_timeUnit) + "で渡りきりました。最速の " +
                             TimeText(fastest, puzzle.m_timeUnit);
    if (time == fastest)
        return done + "と同じです。";
    return done + "より " + TimeText(time - fastest, puzzle.m_timeUnit) + "多いです。";
}

std::string TypeSentence(const CPuzzle& puzzle, const std::string& type)
{
    TravellerSet alike = 0;
    for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller)
        alike |= puzzle.TypeOf(traveller) == type ? TravellerBit(traveller) : 0;
    return NamesOf(puzzle, alike) + " は「" + type + "」で、だれが乗っても同じです。";
}
