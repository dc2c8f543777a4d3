// The sentences that explain trips: each names exactly the travellers it
// speaks of, in the program's voice.
#include "display/RuleText.h"
#include "display/DisplayText.h"
#include "engine/TripJudge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The travellers whose names a sentence holds. No name is part of another.
TravellerSet NamedIn(const std::string& sentence)
{
    TravellerSet named = 0;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (sentence.find(TravellerName(t)) != std::string::npos)
            named |= TravellerBit(t);
    }
    return named;
}

TEST(RuleTextTest, RulesInTheProgramsVoice)
{
    EXPECT_EQ(RuleSentence(5), "Quen は Pellam か Tovic と一緒でなければなりません");
    EXPECT_EQ(RuleSentence(2), "Ovrin は Dastel がいないとき Hesk と一緒にいられません");
    EXPECT_EQ(RuleSentence(7), "Sabbel は Korrim がいないときはひとりでいなければなりません");
    EXPECT_EQ(RuleSentence(RULE_NONE), "");
    EXPECT_EQ(RuleSentence(SAFETY_RULE_COUNT + 1), "");
    EXPECT_EQ(RemainingTripsSentence(23), "あと 23 回で渡りきれます");
    EXPECT_EQ(RemainingTripsSentence(-1), "ここからは渡りきれません");
}

TEST(RuleTextTest, EverySentenceNamesItsTravellers)
{
    // Rule by rule, every traveller the rule names (rule 1: the five
    // operators: travellers 0 to 4).
    for (int rule = 1; rule <= SAFETY_RULE_COUNT; ++rule)
        EXPECT_EQ(NamedIn(RuleSentence(rule)), NamedBy(SafetyRule(rule))) << RuleSentence(rule);
    EXPECT_EQ(NamedIn(RuleSentence(1)), OPERATORS);

    // Every refusal of every first trip, and the refusals of other kinds.
    std::vector<CTripVerdict> verdicts;
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        for (int j = i; j < TRAVELLER_COUNT; ++j)
            verdicts.push_back(JudgeTrip(CCrossingState(), PLACE_START, TravellerBit(i) | TravellerBit(j)));
    }
    verdicts.push_back(JudgeTrip(CCrossingState(), PLACE_START, 0));
    verdicts.push_back(JudgeTrip(CCrossingState(), PLACE_START, TravellersOf({3, 4, 7})));
    verdicts.push_back(JudgeTrip(CCrossingState(), PLACE_ARRIVED, TravellersOf({3, 4})));
    int refusals = 0;
    for (const CTripVerdict& verdict : verdicts) {
        const std::string sentence = VerdictSentence(verdict);
        EXPECT_EQ(sentence.empty(), verdict.IsAccepted()) << sentence;
        EXPECT_EQ(NamedIn(sentence), verdict.m_concerned) << sentence;
        refusals += verdict.IsAccepted() ? 0 : 1;
    }
    EXPECT_EQ(refusals, 78 - 7 + 3);
}

} // namespace
