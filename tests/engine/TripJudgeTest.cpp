// The judge of trips: which rule an arrangement breaks first, and the answer
// to each kind of trip. The expected rule numbers are worked out by hand from
// the rules as the puzzle states them, not by the code under test.
#include "engine/TripJudge.h"
#include "Arrangement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TripJudgeTest, FirstBrokenRuleOfKnownArrangements)
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
        const CRuleBreach breach = FirstBrokenRule(MakeArrangement(c.m_places));
        EXPECT_EQ(breach.m_rule, c.m_rule) << c.m_places;
        EXPECT_EQ(breach.m_concerned, c.m_concerned) << c.m_places;
    }
}

// The first rule broken by each of the 78 first trips: row i lists the trips
// of traveller i alone, then with each later traveller, as digits.
TEST(TripJudgeTest, FirstBrokenRuleOfEveryFirstTrip)
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
            EXPECT_EQ(FirstBrokenRule(trip).m_rule, expected[i][j - i] - '0') << "trip " << i << ", " << j;
        }
    }
}

// Every arrangement the search or a player can build: every set across, the
// boat at either side, and every boarding of one or two from there.
TEST(TripJudgeTest, AgreesWithIsSafeOnEveryBoarding)
{
    int boardings = 0;
    for (TravellerSet across = 0; across <= ALL_TRAVELLERS; ++across) {
        CCrossingState landed;
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            if ((across & TravellerBit(t)) != 0)
                landed.Board(t, PLACE_GOING);
        }
        landed.Land();
        for (int side : {PLACE_START, PLACE_ARRIVED}) {
            for (int i = 0; i < TRAVELLER_COUNT; ++i) {
                for (int j = i; j < TRAVELLER_COUNT; ++j) {
                    CCrossingState boarded = landed;
                    if (!boarded.Board(i, BoardingAction(side)) || !(i == j || boarded.Board(j, BoardingAction(side))))
                        continue;
                    ++boardings;
                    const bool safe = boarded.IsSafe() != FALSE;
                    ASSERT_EQ(FirstBrokenRule(boarded).m_rule == RULE_NONE, safe) << PlacesOf(boarded);
                    const CTripVerdict verdict = JudgeTrip(landed, side, TravellerBit(i) | TravellerBit(j));
                    ASSERT_EQ(verdict.IsAccepted(), safe) << PlacesOf(boarded);
                    if (safe) {
                        boarded.Land();
                        ASSERT_TRUE(verdict.m_landed.Equals(boarded)) << PlacesOf(boarded);
                    }
                }
            }
        }
    }
    // Alone, each traveller boards from one of the two sides; two travellers
    // board together when they are on the same side, in half the sets.
    EXPECT_EQ(boardings, 4096 * (12 + 66 / 2));
}

TEST(TripJudgeTest, AnswersEveryKindOfTrip)
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
        const CTripVerdict verdict = JudgeTrip(MakeArrangement(c.m_landed), c.m_boatSide, c.m_chosen);
        EXPECT_EQ(verdict.m_answer, c.m_answer) << c.m_what;
        EXPECT_EQ(verdict.IsAccepted(), c.m_answer == TripAnswer::ACCEPTED) << c.m_what;
        EXPECT_EQ(verdict.m_rule, c.m_rule) << c.m_what;
        EXPECT_EQ(verdict.m_concerned, c.m_concerned) << c.m_what;
        EXPECT_EQ(PlacesOf(verdict.m_landed), c.m_after) << c.m_what;
    }
}

} // namespace
