// The exact solver against results known from elsewhere: the classic
// puzzles, small puzzles worked out by hand, and the built-in puzzle as its
// depth-first search and the recorded shortest path know it. Its plans and
// continuations are made of trips the judge accepts.
#include "puzzle/BoatOrder.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"

#include "RecordedShortestPath.h"
#include "TestPuzzles.h"
#include "engine/SafeBoats.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

CPuzzle Shipped(const char* name)
{
    const CPuzzleReading reading = OpenPuzzle(name, ShippedPuzzlesFolder());
    EXPECT_TRUE(reading.IsRead()) << reading.Reason();
    return reading.Puzzle();
}

// The trips of the recorded shortest path: those aboard at each boarding.
std::vector<TravellerSet> RecordedTrips()
{
    std::vector<TravellerSet> trips;
    for (int trip = 1; trip <= RECORDED_SHORTEST_TOP / 2; ++trip)
        trips.push_back(RecordedTrip(trip));
    return trips;
}

TEST(PuzzleSolverTest, KnownResults)
{
    struct CCase {
        const char* m_what;
        CPuzzle m_puzzle;
        int m_fewest;
        std::optional<std::uint64_t> m_plans;  // nothing: not known here
        std::vector<TravellerSet> m_firstPlan; // empty: not known here
    };
    const CCase cases[] = {
        {"the wolf, the goat and the cabbage", Shipped("wolf"), 7, 2, {}},
        {"missionaries and cannibals", Shipped("missionaries"), 11, std::nullopt, {}},
        {"three couples", Shipped("couples"), 11, std::nullopt, {}},
        // The search's alternatives and its best path.
        {"the built-in puzzle", BuiltInPuzzle(), RECORDED_SHORTEST_TOP / 2, RECORDED_ALTERNATIVES + 1, RecordedTrips()},
        {"two and two, outnumbered", TestPuzzle(OutnumberedPuzzleText()), 5, std::nullopt, {}},
        // R1 and R2, R1, R1 and X; or R1 and X, R1, R1 and R2.
        {"kept apart, landings not judged", TestPuzzle(KeptApartPuzzleText(false)), 3, 2, {0b011, 0b001, 0b101}},
        {"kept apart, landings judged", TestPuzzle(KeptApartPuzzleText(true)), NO_CONTINUATION, 0, {}},
        // One seat: whoever crosses must bring the boat back.
        {"two on a boat of one", TestPuzzle(FreePuzzleText(2, 1)), NO_CONTINUATION, 0, {}},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_what);
        const CPuzzleSolution solution(c.m_puzzle);
        EXPECT_EQ(solution.FewestTrips(), c.m_fewest);
        EXPECT_EQ(solution.IsSolvable(), c.m_fewest != NO_CONTINUATION);
        if (c.m_plans) {
            EXPECT_EQ(solution.ShortestPlans(), c.m_plans);
        }
        if (!c.m_firstPlan.empty()) {
            EXPECT_EQ(solution.FirstPlan(), c.m_firstPlan);
        }
        // The first plan is made of trips the judge accepts, and each leaves
        // one trip fewer, down to everybody across.
        ASSERT_EQ(static_cast<int>(solution.FirstPlan().size()), std::max(c.m_fewest, 0));
        CPuzzleState state;
        for (std::size_t trip = 0; trip < solution.FirstPlan().size(); ++trip) {
            const CContinuation next = solution.Continuation(state);
            ASSERT_EQ(next.m_trips, c.m_fewest - static_cast<int>(trip));
            ASSERT_EQ(next.m_trip, solution.FirstPlan()[trip]);
            const CPuzzleVerdict verdict = solution.Judge().Judge(state, next.m_trip);
            ASSERT_TRUE(verdict.IsAccepted()) << "trip " << trip + 1;
            state = verdict.m_after;
        }
        if (solution.IsSolvable()) {
            EXPECT_EQ(state.m_across, c.m_puzzle.Everybody());
            EXPECT_EQ(solution.Continuation(state).m_trips, 0);
        }
    }
}

// The whole family's known results, which two independent models agree on,
// and a count by type worked out by hand.
TEST(PuzzleSolverTest, TheWholeFamilysKnownResults)
{
    struct CCase {
        const char* m_what;
        CPuzzle m_puzzle;
        std::int64_t m_best; // trips, or time with times; NO_CONTINUATION for none
        std::uint64_t m_plans;
        std::uint64_t m_byType;
        int m_mostAcross;
    };
    // A and B alike, and C; all row, a boat of two: 3 trips, 6 plans. By
    // type: XX, X back, XC; XC, X back, XX; XC, C back, XC.
    const CPuzzle typed = TestPuzzle("[[traveller]]\nname = \"A\"\nrows = true\ntype = \"X\"\n"
                                     "[[traveller]]\nname = \"B\"\nrows = true\ntype = \"X\"\n"
                                     "[[traveller]]\nname = \"C\"\nrows = true\n");
    const CCase cases[] = {
        {"missionaries and cannibals, typed", Shipped("missionaries"), 11, 8100, 4, 6},
        {"four at night", Shipped("night"), 17, 2, 2, 4},
        {"four at night, 8 minutes, limit 15", TestPuzzle(NightPuzzleText(8, 15)), 15, 2, 2, 4},
        {"four at night, 8 minutes, limit 14", TestPuzzle(NightPuzzleText(8, 14)), NO_CONTINUATION, 0, 0, 3},
        {"the family and the bag", Shipped("family"), 9, 8, 8, 5},
        {"the family and the bag, load 99", TestPuzzle(FamilyPuzzleText(99)), NO_CONTINUATION, 0, 0, 2},
        {"Alcuin's adults and children", Shipped("alcuin"), 9, 8, 2, 4},
        {"a farmer and a chain of five", Shipped("chain"), 7, 40, 40, 6},
        {"five couples", Shipped("five-couples"), 11, 711480, 711480, 10},
        {"two alike and one other", typed, 3, 6, 3, 3},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_what);
        const CPuzzleSolution solution(c.m_puzzle);
        EXPECT_EQ(solution.Fastest(), c.m_best);
        EXPECT_EQ(solution.IsSolvable(), c.m_best != NO_CONTINUATION);
        EXPECT_EQ(solution.ShortestPlans(), c.m_plans);
        EXPECT_EQ(solution.PlansByType(), c.m_byType);
        EXPECT_EQ(solution.MostAcross(), c.m_mostAcross);
    }
}

TEST(PuzzleSolverTest, SaysWhenThereIsNoWayThroughOrNothingToAsk)
{
    const CPuzzleSolution& solution = BuiltInSolution();
    struct CCase {
        const char* m_what;
        CPuzzleState m_from;
        int m_trips;
    };
    const CCase cases[] = {
        {"everybody across", {ALL_TRAVELLERS, PLACE_ARRIVED}, 0},
        {"everybody across, the boat left behind", {ALL_TRAVELLERS, PLACE_START}, NO_CONTINUATION},
        // Hesk and Yarrit across, unguarded, whom no trip can reach.
        {"no trip reaches them", {TravellersOf({9, 11}), PLACE_START}, NO_CONTINUATION},
        {"a side that is no bank", {0, PLACE_GOING}, NO_CONTINUATION},
        {"a traveller the puzzle has not", {TravellerBit(TRAVELLER_COUNT), PLACE_START}, NO_CONTINUATION},
    };
    for (const CCase& c : cases) {
        const CContinuation continuation = solution.Continuation(c.m_from);
        EXPECT_EQ(continuation.m_trips, c.m_trips) << c.m_what;
        EXPECT_EQ(continuation.m_trip, 0u) << c.m_what;
    }
}

// Sixteen who all row, a boat of two: every trip out takes two and every
// trip back one, which makes far more than 2^64 plans.
TEST(PuzzleSolverTest, APlanCountBeyondSixtyFourBitsIsNotWrapped)
{
    const CPuzzleSolution large(TestPuzzle(FreePuzzleText(MAX_TRAVELLERS, 2)));
    EXPECT_EQ(large.FewestTrips(), 2 * MAX_TRAVELLERS - 3);
    EXPECT_EQ(large.ShortestPlans(), std::nullopt);
    // Three who all row: 3 trips, each of the three pairs out first, then
    // one of those two back, then the last two.
    const CPuzzleSolution small(TestPuzzle(FreePuzzleText(3, 2)));
    EXPECT_EQ(small.ShortestPlans(), 6u);
}

TEST(PuzzleSolverTest, BoatsComeInTheSearchsOrder)
{
    std::vector<TravellerSet> two;
    ForEachBoat(ALL_TRAVELLERS, 2, [&](TravellerSet boat) {
        two.push_back(boat);
        return true;
    });
    EXPECT_EQ(two, std::vector<TravellerSet>(CANDIDATE_BOATS.begin(), CANDIDATE_BOATS.end()));

    // Three seats from travellers 1, 2, 4 and 5: shorter lists first.
    std::vector<TravellerSet> three;
    ForEachBoat(0b110110, 3, [&](TravellerSet boat) {
        three.push_back(boat);
        return three.size() < 6;
    });
    const std::vector<TravellerSet> expected = {0b000010, 0b000110, 0b010110, 0b100110, 0b010010, 0b110010};
    EXPECT_EQ(three, expected);
}

} // namespace
