// The judge of any puzzle's trips: on the built-in puzzle it agrees with the
// search's own judge on every trip there is; on small puzzles worked out by
// hand it refuses by the new kind of rule and on landing.
#include "puzzle/PuzzleJudge.h"
#include "puzzle/BuiltInPuzzle.h"

#include "TestPuzzles.h"
#include "engine/TripJudge.h"

#include <gtest/gtest.h>

namespace {

CCrossingState LandedWithAcross(TravellerSet across)
{
    CCrossingState landed;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (across & TravellerBit(t))
            landed.Board(t, PLACE_GOING);
    }
    landed.Land();
    return landed;
}

// Every set across, the boat on either side, and every boat of one or two
// from anywhere: the same verdict, rule, travellers concerned and landing.
TEST(PuzzleJudgeTest, TheBuiltInPuzzleIsJudgedAsTheSearchJudgesIt)
{
    const CPuzzle& puzzle = BuiltInPuzzle();
    int accepted = 0;
    for (TravellerSet across = 0; across <= ALL_TRAVELLERS; ++across) {
        const CCrossingState landed = LandedWithAcross(across);
        for (const int side : {PLACE_START, PLACE_ARRIVED}) {
            for (int i = 0; i < TRAVELLER_COUNT; ++i) {
                for (int j = i; j < TRAVELLER_COUNT; ++j) {
                    const TravellerSet boat = TravellerBit(i) | TravellerBit(j);
                    const CTripVerdict search = JudgeTrip(landed, side, boat);
                    const CPuzzleVerdict generic = JudgeTrip(puzzle, {across, side}, boat);
                    ASSERT_EQ(generic.m_answer, search.m_answer) << across << " " << side << " " << boat;
                    ASSERT_EQ(generic.m_rule, search.m_rule) << across << " " << side << " " << boat;
                    ASSERT_EQ(generic.m_concerned, search.m_concerned) << across << " " << side << " " << boat;
                    ASSERT_FALSE(generic.m_onArrival);
                    ASSERT_EQ(generic.m_after.m_across, AcrossIn(CodeOf(search.m_landed)));
                    accepted += generic.IsAccepted() ? 1 : 0;
                }
            }
        }
    }
    EXPECT_GT(accepted, 0);
}

TEST(PuzzleJudgeTest, RefusesByTheNewKindOfRuleAndOnLanding)
{
    const CPuzzle outnumbered = TestPuzzle(OutnumberedPuzzleText());
    const CPuzzle apart = TestPuzzle(KeptApartPuzzleText(true));
    const CPuzzle apartUnlanded = TestPuzzle(KeptApartPuzzleText(false));
    // Travellers by bit: M1 M2 C1 C2, and R1 R2 X.
    const TravellerSet everybodyFour = 0b1111;
    struct CCase {
        const char* m_what;
        const CPuzzle& m_puzzle;
        CPuzzleState m_from;
        TravellerSet m_boat;
        TripAnswer m_answer;
        int m_rule;
        bool m_onArrival;
        TravellerSet m_concerned;
    };
    const CCase cases[] = {
        // M1 alone leaves M2 with both cannibals.
        {"M1 goes first, alone", outnumbered, {}, 0b0001, TripAnswer::RULE_BROKEN, 2, false, everybodyFour},
        // The crossing is safe, but M1 lands among both cannibals.
        {"M1 lands among the cannibals",
         outnumbered,
         {0b1100, PLACE_START},
         0b0001,
         TripAnswer::RULE_BROKEN,
         2,
         true,
         everybodyFour},
        // Nobody aboard who rows: X alone.
        {"X alone", apart, {}, 0b100, TripAnswer::RULE_BROKEN, 1, false, 0b011},
        {"X with R2 aboard", apart, {}, 0b110, TripAnswer::RULE_BROKEN, 2, false, 0b110},
        // R1 and R2 join X across: safe aboard, broken on landing, unless
        // landings are not judged.
        {"R1 and R2 join X", apart, {0b100, PLACE_START}, 0b011, TripAnswer::RULE_BROKEN, 2, true, 0b110},
        {"R1 and R2 join X, unjudged", apartUnlanded, {0b100, PLACE_START}, 0b011, TripAnswer::ACCEPTED, 0, false, 0},
        {"X is not where the boat is",
         apart,
         {0b100, PLACE_START},
         0b101,
         TripAnswer::NOT_ON_BOAT_SIDE,
         0,
         false,
         0b100},
    };
    for (const CCase& c : cases) {
        const CPuzzleVerdict verdict = JudgeTrip(c.m_puzzle, c.m_from, c.m_boat);
        SCOPED_TRACE(c.m_what);
        EXPECT_EQ(verdict.m_answer, c.m_answer);
        EXPECT_EQ(verdict.m_rule, c.m_rule);
        EXPECT_EQ(verdict.m_onArrival, c.m_onArrival);
        EXPECT_EQ(verdict.m_concerned, c.m_concerned);
        const CPuzzleState after = c.m_answer == TripAnswer::ACCEPTED ? StateAfterTrip(c.m_from, c.m_boat) : c.m_from;
        EXPECT_EQ(verdict.m_after, after);
    }
}

} // namespace
