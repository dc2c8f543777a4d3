// The one judge of a trip against what else decides trips: the search's own
// tables of safe boats, and the exact solver's continuation. If either
// drifted from the judge, the game could accept a trip that the hint says
// leads nowhere.
#include "puzzle/BoatOrder.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"

#include "Arrangement.h"
#include "TestPuzzles.h"
#include "engine/SafeBoats.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Whether the search's tables take boat from the boat's bank: among the
// safe boats of those leaving, with the other bank a safe group.
bool SearchTakes(const CPuzzleState& state, TravellerSet boat)
{
    const TravellerSet leaving = state.OnBoatSide(ALL_TRAVELLERS);
    const TravellerSet otherSide = ALL_TRAVELLERS & ~leaving;
    const auto first = SAFE_BOATS + FIRST_SAFE_BOAT[leaving];
    const auto end = SAFE_BOATS + FIRST_SAFE_BOAT[leaving + 1];
    return SAFE_GROUPS[otherSide] && std::find(first, end, boat) != end;
}

TEST(JudgeAgreementTest, TheSearchsTablesTakeTheTripsTheJudgeAccepts)
{
    const CPuzzleJudge judge(BuiltInPuzzle());
    int accepted = 0;
    for (const CPuzzleState& state : EveryState(BuiltInPuzzle())) {
        ForEachBoat(state.OnBoatSide(ALL_TRAVELLERS), 2, [&](TravellerSet boat) {
            const bool judged = judge.Judge(state, boat).IsAccepted();
            EXPECT_EQ(SearchTakes(state, boat), judged) << state.m_across << " " << state.m_boatSide << " " << boat;
            // IsSafe, which the search no longer calls, says the same of
            // the arrangement with the boat loaded.
            CCrossingState boarded = ArrangementOf(MakeCode(0, state.m_across));
            for (int t = 0; t < TRAVELLER_COUNT; ++t) {
                if (boat & TravellerBit(t))
                    boarded.Board(t, BoardingAction(state.m_boatSide));
            }
            EXPECT_EQ(boarded.IsSafe() != FALSE, judged) << PlacesOf(boarded);
            accepted += judged ? 1 : 0;
            return true;
        });
    }
    EXPECT_GT(accepted, 0);
}

// The least time (the fewest trips, without times) from every arrangement
// is the least, over the trips the judge accepts from there, of the trip's
// time and the least time after it; and the hinted trip is one of those
// that reach it.
void ExpectContinuationsFollowTheJudge(const CPuzzleSolution& solution)
{
    const CPuzzle& puzzle = solution.Puzzle();
    const CPuzzleJudge& judge = solution.Judge();
    for (const CPuzzleState& state : EveryState(puzzle)) {
        std::int64_t least = NO_CONTINUATION;
        ForEachBoat(state.OnBoatSide(puzzle.Everybody()), puzzle.m_seats, [&](TravellerSet boat) {
            const CPuzzleVerdict verdict = judge.Judge(state, boat);
            const std::int64_t after =
                verdict.IsAccepted() ? solution.Continuation(verdict.m_after).m_time : NO_CONTINUATION;
            if (after != NO_CONTINUATION && (least == NO_CONTINUATION || after + judge.TripTime(boat) < least))
                least = after + judge.TripTime(boat);
            return true;
        });
        const bool goal = state == CPuzzleState{puzzle.Everybody(), PLACE_ARRIVED};
        const CContinuation continuation = solution.Continuation(state);
        ASSERT_EQ(continuation.m_time, goal ? 0 : least)
            << puzzle.m_title << ": " << state.m_across << " " << state.m_boatSide;
        if (continuation.m_time > 0) {
            const CPuzzleVerdict hinted = judge.Judge(state, continuation.m_trip);
            ASSERT_TRUE(hinted.IsAccepted()) << puzzle.m_title << ": " << state.m_across;
            ASSERT_EQ(solution.Continuation(hinted.m_after).m_time,
                      continuation.m_time - judge.TripTime(continuation.m_trip))
                << puzzle.m_title;
        }
    }
}

TEST(JudgeAgreementTest, ContinuationsFollowTheJudgeEverywhere)
{
    ExpectContinuationsFollowTheJudge(BuiltInSolution());
    for (const CPuzzleEntry& entry : PuzzleEntries(ShippedPuzzlesFolder())) {
        if (!entry.m_path.empty())
            ExpectContinuationsFollowTheJudge(CPuzzleSolution(ReadPuzzleFile(entry.m_path).Puzzle()));
    }
    int solvable = 0;
    for (unsigned seed = 0; seed < 60; ++seed) {
        const CPuzzleSolution solution(GeneratedPuzzle(seed));
        ExpectContinuationsFollowTheJudge(solution);
        solvable += solution.IsSolvable() ? 1 : 0;
    }
    // Both kinds of puzzle were met.
    EXPECT_GT(solvable, 0);
    EXPECT_LT(solvable, 60);
}

} // namespace
