// The judge of any puzzle's trips: which rule an arrangement breaks first,
// and the answer to each kind of trip, on the built-in puzzle and on small
// puzzles, worked out by hand from the rules as they are stated, not by the
// code under test.
#include "puzzle/PuzzleJudge.h"
#include "puzzle/BuiltInPuzzle.h"

#include "Arrangement.h"
#include "TestPuzzles.h"

#include <string>

#include <gtest/gtest.h>

namespace {

const CPuzzleJudge& BuiltInJudge()
{
    return BuiltInSolution().Judge();
}

TEST(PuzzleJudgeTest, FirstBrokenRuleOfKnownArrangements)
{
    struct CCase {
        const char* m_places;
        int m_rule;
        TravellerSet m_concerned;
    };
    const CCase cases[] = {
        {"000001100000", 1, OPERATORS}, // 5 and 6 travel alone
        {"000000100000", 1, OPERATORS}, // 6 alone aboard
        {"000000000301", 1, OPERATORS}, // both ways at once, no operator
        {"000300000001", RULE_NONE, 0}, // an operator returning covers both
        {"100000000010", RULE_NONE, 0}, // 0 and 10 together
        {"100000000100", 2, TravellersOf({0, 1, 9})},
        {"020000000220", 3, TravellersOf({1, 0, 10})},
        {"000200000002", 4, TravellersOf({3, 0, 1, 9, 10, 11})},
        {"000010000000", 5, TravellersOf({4, 3, 7})},
        {"000000020000", RULE_NONE, 0},                  // 7 alone on the far side
        {"000000022000", 6, TravellersOf({7, 3, 4, 8})}, // 7 has 8 for company
        {"000000202000", 7, TravellersOf({6, 2, 8})},
        {"000000000202", 8, TravellersOf({9, 0, 1, 11})},
        {"000000000022", 9, TravellersOf({10, 0, 1, 11})},
    };
    for (const CCase& c : cases) {
        const CRuleBreach breach = BuiltInJudge().FirstBrokenRule(GroupsOf(MakeArrangement(c.m_places)));
        EXPECT_EQ(breach.m_rule, c.m_rule) << c.m_places;
        EXPECT_EQ(breach.m_concerned, c.m_concerned) << c.m_places;
    }
}

// The first rule broken by each of the 78 first trips: row i lists the trips
// of traveller i alone, then with each later traveller, as digits.
TEST(PuzzleJudgeTest, FirstBrokenRuleOfEveryFirstTrip)
{
    const std::string expected[TRAVELLER_COUNT] = {
        "343333333203", // 0: alone or with others 1 is left with 10; with 1, 3 with 9; with 9, rule 2
        "22222222022",  // 1: 0 is left with 9, unless 9 goes
        "7757067777",   // 2: 6 is left without 2; with 4, rule 5; with 7, rule 6
        "060750444",    // 3: with 4, 7 left; with 6, 6 aboard; with 7, 4 left; with 9 to 11, rule 4
        "55505555",     // 4: apart from 3 and 7, unless 7 goes
        "1111111",      // 5 to 11: nobody can operate the trip
        "111111",       "11111", "1111", "111", "11", "1",
    };
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        ASSERT_EQ(expected[i].size(), static_cast<std::size_t>(TRAVELLER_COUNT - i));
        for (int j = i; j < TRAVELLER_COUNT; ++j) {
            CCrossingState trip;
            trip.Board(i, PLACE_GOING);
            trip.Board(j, PLACE_GOING);
            EXPECT_EQ(BuiltInJudge().FirstBrokenRule(GroupsOf(trip)).m_rule, expected[i][j - i] - '0')
                << "trip " << i << ", " << j;
        }
    }
}

TEST(PuzzleJudgeTest, AnswersEveryKindOfTrip)
{
    struct CCase {
        const char* m_what;
        const char* m_landed;
        int m_boatSide;
        TravellerSet m_chosen;
        TripAnswer m_answer;
        int m_rule;
        TravellerSet m_concerned;
        const char* m_after; // the arrangement the verdict holds
    };
    const CCase cases[] = {
        {"0 and 10 go", "000000000000", PLACE_START, TravellersOf({0, 10}), TripAnswer::ACCEPTED, 0, 0, "200000000020"},
        {"nobody", "000000000000", PLACE_START, 0, TripAnswer::NOBODY_CHOSEN, 0, 0, "000000000000"},
        {"three", "000000000000", PLACE_START, TravellersOf({3, 4, 7}), TripAnswer::TOO_MANY_CHOSEN, 0, 0,
         "000000000000"},
        {"0 is across", "200000000020", PLACE_START, TravellersOf({0, 3}), TripAnswer::NOT_ON_BOAT_SIDE, 0,
         TravellersOf({0}), "200000000020"},
        {"no side", "000000000000", PLACE_GOING, TravellersOf({3}), TripAnswer::NOT_ON_BOAT_SIDE, 0, TravellersOf({3}),
         "000000000000"},
        {"10 returns alone", "200000000020", PLACE_ARRIVED, TravellersOf({10}), TripAnswer::RULE_BROKEN, 1, OPERATORS,
         "200000000020"},
        {"7 takes 2", "000000000000", PLACE_START, TravellersOf({2, 7}), TripAnswer::RULE_BROKEN, 6,
         TravellersOf({7, 3, 4, 2}), "000000000000"},
    };
    for (const CCase& c : cases) {
        const CPuzzleVerdict verdict =
            BuiltInJudge().Judge({AcrossIn(CodeOf(MakeArrangement(c.m_landed))), c.m_boatSide}, c.m_chosen);
        EXPECT_EQ(verdict.m_answer, c.m_answer) << c.m_what;
        EXPECT_EQ(verdict.IsAccepted(), c.m_answer == TripAnswer::ACCEPTED) << c.m_what;
        EXPECT_EQ(verdict.m_rule, c.m_rule) << c.m_what;
        EXPECT_EQ(verdict.m_concerned, c.m_concerned) << c.m_what;
        EXPECT_EQ(PlacesOf(ArrangementOf(MakeCode(0, verdict.m_after.m_across))), c.m_after) << c.m_what;
    }
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
        const CPuzzleVerdict verdict = CPuzzleJudge(c.m_puzzle).Judge(c.m_from, c.m_boat);
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

namespace {

// One trip for each step of the order of judging, on a puzzle where a trip
// breaks several things: the first is the one said. R, H, N, S and X are
// travellers 0 to 4; N does not row; R and H weigh 3 and 9 of a load of 10;
// S takes 9 of a limit of 5. Rule 2: R apart from H in the boat; rule 3: N
// apart from X in the boat; rule 4: S apart from X on the banks.
TEST(PuzzleJudgeTest, ATripIsRefusedAtTheFirstThingItBreaks)
{
    const CPuzzleJudge judge(TestPuzzle(R"(load = 10
time_limit = 5
traveller = [{name = "R", rows = true, weight = 3, time = 1}, {name = "H", rows = true, weight = 9, time = 1},
             {name = "N", weight = 1, time = 1}, {name = "S", rows = true, weight = 1, time = 9},
             {name = "X", rows = true, weight = 1, time = 1}]
rule = [{kind = "apart", who = "R", from = ["H"], where = "boat"},
        {kind = "apart", who = "N", from = ["X"], where = "boat"},
        {kind = "apart", who = "S", from = ["X"], where = "banks"}]
)"));
    struct CCase {
        const char* m_what;
        CPuzzleState m_from;
        TravellerSet m_boat;
        std::int64_t m_elapsed;
        TripAnswer m_answer;
        int m_rule;
        bool m_onArrival;
        std::int64_t m_time;
    };
    const CCase cases[] = {
        {"nobody", {}, 0, 0, TripAnswer::NOBODY_CHOSEN, 0, false, 0},
        {"three of two seats, one across",
         {0b10000, PLACE_START},
         0b10101,
         0,
         TripAnswer::TOO_MANY_CHOSEN,
         0,
         false,
         0},
        {"X is across", {0b10000, PLACE_START}, 0b10001, 0, TripAnswer::NOT_ON_BOAT_SIDE, 0, false, 0},
        {"R and H weigh 12, and break rule 2", {}, 0b00011, 0, TripAnswer::TOO_HEAVY, 0, false, 0},
        {"N alone rows not, and leaves S with X", {}, 0b00100, 0, TripAnswer::RULE_BROKEN, 1, false, 0},
        {"N and X in the boat", {}, 0b10100, 0, TripAnswer::RULE_BROKEN, 3, false, 0},
        {"S and X, apart only on the banks, land together", {}, 0b11000, 0, TripAnswer::RULE_BROKEN, 4, true, 0},
        {"S takes 9 of 5", {}, 0b01000, 0, TripAnswer::OVER_TIME, 0, false, 9},
        {"X reaches the limit", {}, 0b10000, 4, TripAnswer::ACCEPTED, 0, false, 5},
        {"X passes the limit", {}, 0b10000, 5, TripAnswer::OVER_TIME, 0, false, 6},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_what);
        const CPuzzleVerdict verdict = judge.Judge(c.m_from, c.m_boat, c.m_elapsed);
        EXPECT_EQ(verdict.m_answer, c.m_answer);
        EXPECT_EQ(verdict.m_rule, c.m_rule);
        EXPECT_EQ(verdict.m_onArrival, c.m_onArrival);
        EXPECT_EQ(verdict.m_time, c.m_time);
        EXPECT_EQ(verdict.m_weight, c.m_answer == TripAnswer::TOO_HEAVY ? 12 : 0);
    }
}

} // namespace
