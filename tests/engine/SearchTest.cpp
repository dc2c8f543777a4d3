#include "Arrangement.h"
#include "PathBuilder.h"
#include "PathChecker.h"
#include "SearchRun.h"

#include <gtest/gtest.h>

#include <queue>
#include <vector>

namespace {

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override { g_abortEvent.ResetEvent(); }
    void TearDown() override { g_abortEvent.ResetEvent(); }
};

void ExpectCompleteRun(const CSearchOutcome& run)
{
    EXPECT_TRUE(run.m_finished);
    EXPECT_EQ(run.m_progressMax, 78);
    EXPECT_EQ(run.m_progressPos, 78);
    EXPECT_EQ(run.m_best.Top(), 46) << "23 trips: 12 outbound, 11 return";
    EXPECT_EQ(run.m_best.ArrivedCount(), 12);
    EXPECT_EQ(run.m_best.GetPlaceAt(46, 0), PLACE_ARRIVED);
    EXPECT_EQ(run.m_best.GetPlaceAt(47, 0), PLACE_UNKNOWN) << "47 rows, no more";
    EXPECT_GT(run.m_trials, 0);
    EXPECT_EQ(CheckPath(run.m_best), "");
}

TEST_F(SearchTest, CompleteRunFindsTheShortestPath)
{
    const CSearchOutcome run = SearchOnThisThread(false);
    ExpectCompleteRun(run);
    EXPECT_EQ(run.m_alternatives, 0) << "not counted";

    const CSearchOutcome again = SearchOnThisThread(false);
    EXPECT_EQ(again.m_trials, run.m_trials);
    EXPECT_EQ(Rows(again.m_best), Rows(run.m_best));
}

TEST_F(SearchTest, CountingAlternativesSearchesTiesToo)
{
    const CSearchOutcome plain = SearchOnThisThread(false);
    const CSearchOutcome counted = SearchOnThisThread(true);
    ExpectCompleteRun(counted);
    EXPECT_GT(counted.m_alternatives, 0);
    EXPECT_GT(counted.m_trials, plain.m_trials) << "paths that can only tie are searched as well";
    EXPECT_EQ(Rows(counted.m_best), Rows(plain.m_best)) << "the first shortest path is kept";

    const CSearchOutcome again = SearchOnThisThread(true);
    EXPECT_EQ(again.m_trials, counted.m_trials);
    EXPECT_EQ(again.m_alternatives, counted.m_alternatives);
    EXPECT_EQ(Rows(again.m_best), Rows(counted.m_best));
}

// With the stop already requested, no return trip is ever boarded: only the
// first trips and their landings happen, and every unsafe first trip is a
// trial.
TEST_F(SearchTest, StopRequestedBeforeTheStartWalksTheFirstTripsOnly)
{
    int safeFirstTrips = 0;
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        for (int j = i; j < TRAVELLER_COUNT; ++j) {
            CCrossingState trip;
            trip.Board(i, PLACE_GOING);
            trip.Board(j, PLACE_GOING);
            safeFirstTrips += trip.IsSafe();
        }
    }

    g_abortEvent.SetEvent();
    CSolverStatus status;
    CSolverTask task;
    EXPECT_EQ(task.Run(&status), 0u);
    const CSearchOutcome run = ReadOutcome(status);
    EXPECT_TRUE(run.m_finished);
    EXPECT_EQ(run.m_progressPos, 78);
    EXPECT_EQ(run.m_trials, 78 - safeFirstTrips);
    EXPECT_EQ(run.m_best.Top(), 2) << "one outbound trip, landed";
    EXPECT_EQ(run.m_best.ArrivedCount(), 2);
    EXPECT_EQ(CheckPath(run.m_best), "");
}

// Breadth-first over landed arrangements, with none of the search's limits:
// the fewest trips that bring everybody across under the rules.
int FewestTrips()
{
    constexpr int ALL_ARRIVED = (1 << TRAVELLER_COUNT) - 1;
    // Index: arrived mask * 2 + (boat at the far side).
    std::vector<int> trips(2 << TRAVELLER_COUNT, -1);
    std::queue<int> pending;
    trips[0] = 0;
    pending.push(0);
    while (!pending.empty()) {
        const int node = pending.front();
        pending.pop();
        const int arrived = node >> 1;
        const bool boatAway = node & 1;
        if (arrived == ALL_ARRIVED)
            return trips[node];

        std::string places(12, '0');
        for (int t = 0; t < TRAVELLER_COUNT; ++t)
            places[t] = (arrived >> t) & 1 ? '2' : '0';
        const CCrossingState here = MakeArrangement(places);
        const int action = boatAway ? PLACE_RETURNING : PLACE_GOING;
        for (int i = 0; i < TRAVELLER_COUNT; ++i) {
            for (int j = i; j < TRAVELLER_COUNT; ++j) {
                CCrossingState trip = here;
                if (!trip.Board(i, action) || (j != i && !trip.Board(j, action)) || !trip.IsSafe())
                    continue;
                trip.Land();
                int next = 0;
                for (int t = 0; t < TRAVELLER_COUNT; ++t)
                    next |= (trip.GetPlace(t) == PLACE_ARRIVED) << t;
                const int nextNode = next * 2 + (boatAway ? 0 : 1);
                if (trips[nextNode] < 0) {
                    trips[nextNode] = trips[node] + 1;
                    pending.push(nextNode);
                }
            }
        }
    }
    return -1;
}

// The path holds 100 arrangements: a boarding at top 98 still pushes its
// candidates as arrangement 99, and each landing below it is cut off as a
// trial.
TEST_F(SearchTest, BoardingAtTopNinetyEightUsesTheLastArrangement)
{
    CCrossingPath path = PathEndingWith(97, 0);
    ASSERT_TRUE(path.Push(MakeArrangement("000202000000")));
    CSolverStatus status;
    CSolverTask task;
    task.SearchBelow(path, status);
    EXPECT_EQ(status.m_trials, 3) << "5 alone has no operator; 3 alone and 3 with 5 are cut off at their landing";
    EXPECT_EQ(path.Top(), 98);
}

TEST_F(SearchTest, NoSequenceOfTripsIsShorterThanTheBestPath)
{
    const int fewest = FewestTrips();
    EXPECT_EQ(fewest, 23);
    const CSearchOutcome run = SearchOnThisThread(false);
    EXPECT_EQ(run.m_best.Top(), 2 * fewest) << "two steps per trip: aboard, landed";
}

} // namespace
