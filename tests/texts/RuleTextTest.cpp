// The sentences that explain trips: each names exactly the travellers it
// speaks of, in the program's voice.
#include "texts/RuleText.h"
#include "puzzle/BuiltInPuzzle.h"
#include "texts/DisplayText.h"

#include "TestPuzzles.h"

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
    const CPuzzle& puzzle = BuiltInPuzzle();
    const CPuzzle outnumbered = TestPuzzle(OutnumberedPuzzleText());
    const CPuzzle apart = TestPuzzle(KeptApartPuzzleText(true));
    struct CCase {
        std::string m_said;
        const char* m_expected;
    };
    const CCase cases[] = {
        {RuleSentence(puzzle, 5), "Quen は Pellam か Tovic と一緒でなければなりません。"},
        {RuleSentence(puzzle, 2), "Ovrin は Dastel がいないとき Hesk と一緒にいられません。"},
        {RuleSentence(puzzle, 7), "Sabbel は Korrim がいないときはひとりでいなければなりません。"},
        {RuleSentence(puzzle, RULE_NONE), ""},
        {RuleSentence(puzzle, SAFETY_RULE_COUNT + 1), ""},
        {RuleSentence(outnumbered, 2), "M1、M2 がいるところでは C1、C2 のほうが多くてはいけません。"},
        {RuleSentence(apart, 2), "X は R2 と一緒にいられません。"},
        {RuleSentence(apart, 1), "舟には R1、R2 のだれかが乗っていなければなりません。"},
        // The crossing is safe; the landing brings X and R2 together.
        {VerdictSentence(apart, CPuzzleJudge(apart).Judge({0b100, PLACE_START}, 0b011)),
         "米国に着くと、X は R2 と一緒にいられません。"},
        {VerdictSentence(apart, CPuzzleJudge(apart).Judge({}, 0b111)), "舟に乗れるのはふたりまでです。"},
        {RemainingTripsSentence(23), "あと 23 回で渡りきれます。"},
        {RemainingTripsSentence(NO_CONTINUATION), "ここからは渡りきれません。"},
        {FinishedSentence(23, 23), "23 回で渡りきりました。最短の 23 回と同じです。"},
        {FinishedSentence(25, 23), "25 回で渡りきりました。最短の 23 回より 2 回多いです。"},
    };
    for (const CCase& c : cases)
        EXPECT_EQ(c.m_said, c.m_expected);
}

TEST(RuleTextTest, EverySentenceNamesItsTravellers)
{
    // Rule by rule, every traveller the rule names (rule 1: the five
    // operators: travellers 0 to 4).
    const CPuzzle& puzzle = BuiltInPuzzle();
    for (int rule = 1; rule <= SAFETY_RULE_COUNT; ++rule)
        EXPECT_EQ(NamedIn(RuleSentence(puzzle, rule)), NamedBy(SafetyRule(rule))) << RuleSentence(puzzle, rule);
    EXPECT_EQ(NamedIn(RuleSentence(puzzle, 1)), OPERATORS);

    // Every refusal of every first trip, and the refusals of other kinds.
    std::vector<CPuzzleVerdict> verdicts;
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        for (int j = i; j < TRAVELLER_COUNT; ++j)
            verdicts.push_back(CPuzzleJudge(puzzle).Judge({}, TravellerBit(i) | TravellerBit(j)));
    }
    verdicts.push_back(CPuzzleJudge(puzzle).Judge({}, 0));
    verdicts.push_back(CPuzzleJudge(puzzle).Judge({}, TravellersOf({3, 4, 7})));
    verdicts.push_back(CPuzzleJudge(puzzle).Judge({0, PLACE_ARRIVED}, TravellersOf({3, 4})));
    int refusals = 0;
    for (const CPuzzleVerdict& verdict : verdicts) {
        const std::string sentence = VerdictSentence(puzzle, verdict);
        EXPECT_EQ(sentence.empty(), verdict.IsAccepted()) << sentence;
        EXPECT_EQ(NamedIn(sentence), verdict.m_concerned) << sentence;
        refusals += verdict.IsAccepted() ? 0 : 1;
    }
    EXPECT_EQ(refusals, 78 - 7 + 3);
}

} // namespace
