#include "Arrangement.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

TEST(CrossingStateTest, StartsWithEverybodyAtTheStartSide)
{
    const CCrossingState state;
    for (int t = 0; t < TRAVELLER_COUNT; ++t)
        EXPECT_EQ(state.GetPlace(t), PLACE_START);
    EXPECT_EQ(state.CountAt(PLACE_START), 12);
    EXPECT_EQ(state.CountAt(PLACE_ARRIVED), 0);
    EXPECT_EQ(state.GetPlace(12), PLACE_UNKNOWN);
    EXPECT_EQ(state.GetPlace(-1), PLACE_UNKNOWN);
    EXPECT_TRUE(state.IsSafe());
}

TEST(CrossingStateTest, BoardRefusesImpossibleMovesAndChangesNothing)
{
    CCrossingState state = MakeArrangement("120300000000");
    const CCrossingState before = state;
    EXPECT_FALSE(state.Board(12, PLACE_GOING));
    EXPECT_FALSE(state.Board(-1, PLACE_GOING));
    EXPECT_FALSE(state.Board(4, PLACE_ARRIVED)); // not an action
    EXPECT_FALSE(state.Board(4, PLACE_START));
    EXPECT_FALSE(state.Board(4, 7));
    EXPECT_FALSE(state.Board(0, PLACE_GOING));     // already aboard
    EXPECT_FALSE(state.Board(1, PLACE_GOING));     // arrived
    EXPECT_FALSE(state.Board(3, PLACE_RETURNING)); // already returning
    EXPECT_FALSE(state.Board(4, PLACE_RETURNING)); // at the start side
    EXPECT_TRUE(state.Equals(before));

    EXPECT_TRUE(state.Board(4, PLACE_GOING));
    EXPECT_TRUE(state.Board(1, PLACE_RETURNING));
    EXPECT_EQ(PlacesOf(state), "130310000000");
}

TEST(CrossingStateTest, LandEndsBothKindsOfTrip)
{
    CCrossingState state = MakeArrangement("132011000222");
    state.Land();
    EXPECT_EQ(PlacesOf(state), "202022000222");
    EXPECT_EQ(state.CountAt(PLACE_ARRIVED), 7);
    EXPECT_EQ(state.CountAt(PLACE_GOING), 0);
    EXPECT_EQ(state.CountAt(PLACE_RETURNING), 0);
}

TEST(CrossingStateTest, EqualsComparesEveryTraveller)
{
    EXPECT_TRUE(MakeArrangement("012301230123").Equals(MakeArrangement("012301230123")));
    EXPECT_FALSE(MakeArrangement("012301230123").Equals(MakeArrangement("012301230122")));
    EXPECT_FALSE(MakeArrangement("112301230123").Equals(MakeArrangement("012301230123")));
}

// Each rule broken on its own, next to an arrangement that differs a little
// and is safe.
TEST(CrossingStateTest, EachRuleBrokenAloneIsUnsafeAndItsNearMissIsSafe)
{
    struct CRuleCase {
        const char* m_rule;
        const char* m_broken;
        const char* m_nearMiss;
    };
    const CRuleCase cases[] = {
        {"1: a trip needs an operator", "000001001000", "000101000000"},
        {"1: an operator returning covers the outbound trip", "000001001000", "000301000000"},
        {"2: 0 without 1 must not be with 9", "200000000220", "200000000020"},
        {"3: 1 without 0 must not be with 10", "020000000220", "020000000200"},
        {"4: 3 without 0 or 1 must not be with 9, 10, 11", "000200000002", "000200002000"},
        {"5: 4 stays with 3 or 7", "000020000000", "000020020000"},
        {"6: 7 without 3 or 4 is alone", "000000022000", "000000020000"},
        {"7: 6 without 2 is alone", "000000202000", "002000202000"},
        {"8: 9 without 0 or 1 must not be with 11", "000000000202", "000000002200"},
        {"9: 10 without 0 or 1 must not be with 11", "000000000022", "000000002020"},
    };
    for (const CRuleCase& c : cases) {
        EXPECT_FALSE(MakeArrangement(c.m_broken).IsSafe()) << c.m_rule << ": " << c.m_broken;
        EXPECT_TRUE(MakeArrangement(c.m_nearMiss).IsSafe()) << c.m_rule << ": " << c.m_nearMiss;
    }
}

TEST(CrossingStateTest, KnownArrangements)
{
    EXPECT_TRUE(MakeArrangement("222222222222").IsSafe());
    EXPECT_FALSE(MakeArrangement("000001100000").IsSafe()) << "5 and 6 cannot travel alone";
    EXPECT_FALSE(MakeArrangement("000010000000").IsSafe()) << "4 alone leaves both 3 and 7";
    EXPECT_TRUE(MakeArrangement("100000000010").IsSafe()) << "0 and 10 together";
    EXPECT_FALSE(MakeArrangement("100000000100").IsSafe()) << "0 takes 9 away from 1";
    EXPECT_TRUE(MakeArrangement("000000020000").IsSafe()) << "7 alone on the far side";
    EXPECT_FALSE(MakeArrangement("000000100000").IsSafe()) << "6 alone aboard has no operator";
    // The same group aboard is a group of its own: 6 alone at the far side is fine.
    EXPECT_TRUE(MakeArrangement("000000200000").IsSafe());
}

TEST(CrossingStateTest, ExactlySevenOfTheFirstTripsAreSafe)
{
    std::set<std::pair<int, int>> safe;
    int tried = 0;
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        for (int j = i; j < TRAVELLER_COUNT; ++j) {
            CCrossingState trip;
            ASSERT_TRUE(trip.Board(i, PLACE_GOING));
            if (j != i) {
                ASSERT_TRUE(trip.Board(j, PLACE_GOING));
            }
            ++tried;
            if (trip.IsSafe())
                safe.insert({i, j});
        }
    }
    EXPECT_EQ(tried, 78);
    const std::set<std::pair<int, int>> expected = {{0, 10}, {1, 9}, {2, 6}, {3, 3}, {3, 5}, {3, 8}, {4, 7}};
    EXPECT_EQ(safe, expected);
}

} // namespace
