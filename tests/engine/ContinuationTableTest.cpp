// The shortest continuation against the depth-first search and the recorded
// shortest path, and its own suggestions played to the end.
#include "engine/ContinuationTable.h"
#include "Arrangement.h"
#include "RecordedShortestPath.h"
#include "SearchRun.h"
#include "engine/TripJudge.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

// The trips of the recorded shortest path: one per boarding and landing.
constexpr int RECORDED_TRIPS = static_cast<int>(std::size(RECORDED_SHORTEST_PATH) - 1) / 2;

TEST(ContinuationTableTest, AgreesWithTheDepthFirstSearchFromTheStart)
{
    const CSearchOutcome outcome = SearchOnThisThread(false);
    ASSERT_EQ(outcome.m_best.ArrivedCount(), TRAVELLER_COUNT);
    const CContinuation start = ShortestContinuation(CCrossingState(), PLACE_START);
    EXPECT_EQ(start.m_trips * 2, outcome.m_best.Top());
    EXPECT_EQ(start.m_trips, 23);
}

TEST(ContinuationTableTest, CountsDownAlongTheRecordedShortestPath)
{
    // Each of the path's trips is a trip the judge accepts, and leaves one
    // trip fewer to make.
    for (int trips = 0; trips <= RECORDED_TRIPS; ++trips) {
        const CCrossingState landed = MakeArrangement(RECORDED_SHORTEST_PATH[2 * trips]);
        const int boatSide = BoatSideAfter(trips);
        EXPECT_EQ(ShortestContinuation(landed, boatSide).m_trips, RECORDED_TRIPS - trips) << "after " << trips;
        if (trips == RECORDED_TRIPS)
            break;
        const CCrossingState boarded = MakeArrangement(RECORDED_SHORTEST_PATH[2 * trips + 1]);
        TravellerSet chosen = 0;
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            if (boarded.GetPlace(t) != landed.GetPlace(t))
                chosen |= TravellerBit(t);
        }
        const CTripVerdict verdict = JudgeTrip(landed, boatSide, chosen);
        ASSERT_TRUE(verdict.IsAccepted()) << "trip " << trips + 1;
        EXPECT_EQ(PlacesOf(verdict.m_landed), RECORDED_SHORTEST_PATH[2 * trips + 2]);
    }
}

TEST(ContinuationTableTest, ItsOwnSuggestionsBringEverybodyAcross)
{
    CCrossingState landed;
    int trips = 0;
    for (CContinuation next = ShortestContinuation(landed, PLACE_START); next.m_trips > 0;
         next = ShortestContinuation(landed, BoatSideAfter(trips))) {
        ASSERT_EQ(next.m_trips, 23 - trips);
        const CTripVerdict verdict = JudgeTrip(landed, BoatSideAfter(trips), next.m_trip);
        ASSERT_TRUE(verdict.IsAccepted()) << "trip " << trips + 1;
        landed = verdict.m_landed;
        ++trips;
    }
    EXPECT_EQ(trips, 23);
    EXPECT_EQ(landed.CountAt(PLACE_ARRIVED), TRAVELLER_COUNT);
}

TEST(ContinuationTableTest, SaysWhenThereIsNoWayThrough)
{
    EXPECT_EQ(ShortestContinuation(MakeArrangement("222222222222"), PLACE_ARRIVED).m_trips, 0);
    // The boat left behind; 9 and 11 across, unguarded, whom no trip reaches;
    // somebody aboard; no side.
    const CContinuation none[] = {
        ShortestContinuation(MakeArrangement("222222222222"), PLACE_START),
        ShortestContinuation(MakeArrangement("000000000202"), PLACE_START),
        ShortestContinuation(MakeArrangement("100000000010"), PLACE_START),
        ShortestContinuation(CCrossingState(), PLACE_GOING),
    };
    for (const CContinuation& continuation : none) {
        EXPECT_EQ(continuation.m_trips, NO_CONTINUATION);
        EXPECT_EQ(continuation.m_trip, 0u);
    }
}

} // namespace
