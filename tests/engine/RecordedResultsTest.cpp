// The search's figures checked against values recorded from the first,
// straightforward implementation of the engine (the plain loops over every
// candidate, each candidate built and judged one by one), before any work on
// its speed. A faster engine must arrive at exactly the same results: the same
// trials, alternatives, progress and best path, step by step and place by
// place. The recorded values are data from that older search, not from the code
// under test.

#include "Arrangement.h"
#include "RecordedShortestPath.h"
#include "engine/AbortEvent.h"
#include "engine/CrossingPath.h"
#include "engine/CrossingState.h"
#include "engine/SolverStatus.h"
#include "engine/SolverTask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// What a search leaves behind, as recorded from the straightforward search.
struct CRecordedFigures {
    int m_trials;
    int m_alternatives;
    int m_progressPos;
    int m_progressMax;
    int m_top;
    int m_arrived;
    // The best path, one string of twelve place digits (traveller 0 first) per
    // step, from step 0 to the top.
    std::vector<std::string> m_best;
};

// The best path of a complete search, the same in both modes.
const std::vector<std::string> COMPLETE_BEST_PATH(std::begin(RECORDED_SHORTEST_PATH), std::end(RECORDED_SHORTEST_PATH));

const CRecordedFigures COMPLETE_WITHOUT_ALTERNATIVES = {1521180, 0, 78, 78, 46, 12, COMPLETE_BEST_PATH};
const CRecordedFigures COMPLETE_WITH_ALTERNATIVES = {57759432, RECORDED_ALTERNATIVES, 78, 78, 46,
                                                     12,       COMPLETE_BEST_PATH};

// With the stop requested before the start: the first trips and their outbound
// landings only, in either mode.
const CRecordedFigures STOPPED_BEFORE_THE_START = {
    71, 0, 78, 78, 2, 2, {"000000000000", "100000000010", "200000000020"}};

std::string PlacesAt(const CCrossingPath& path, int step)
{
    std::string places;
    for (int t = 0; t < TRAVELLER_COUNT; ++t)
        places += static_cast<char>('0' + path.GetPlaceAt(step, t));
    return places;
}

// Checks every figure of the status and the whole best path against a record.
// The best path must be pending for the reader, as it is after any search that
// offered a path.
void ExpectFigures(CSolverStatus& status, const CRecordedFigures& expected)
{
    EXPECT_EQ(static_cast<int>(status.m_trials), expected.m_trials);
    EXPECT_EQ(static_cast<int>(status.m_alternatives), expected.m_alternatives);
    EXPECT_EQ(static_cast<int>(status.m_progressPos), expected.m_progressPos);
    EXPECT_EQ(static_cast<int>(status.m_progressMax), expected.m_progressMax);

    CCrossingPath best;
    ASSERT_EQ(status.TakeBestIfChanged(best), TRUE);
    EXPECT_EQ(best.Top(), expected.m_top);
    EXPECT_EQ(best.ArrivedCount(), expected.m_arrived);
    ASSERT_EQ(static_cast<int>(expected.m_best.size()), expected.m_top + 1);
    for (int step = 0; step <= expected.m_top; ++step)
        EXPECT_EQ(PlacesAt(best, step), expected.m_best[step]) << "step " << step;
    EXPECT_EQ(best.GetPlaceAt(expected.m_top + 1, 0), PLACE_UNKNOWN);
    // Taken once: nothing is pending any more.
    CCrossingPath again;
    EXPECT_EQ(status.TakeBestIfChanged(again), FALSE);
}

CCrossingPath PathThrough(const std::vector<std::string>& steps)
{
    CCrossingPath path;
    for (const std::string& places : steps)
        EXPECT_EQ(path.Push(MakeArrangement(places)), TRUE) << places;
    return path;
}

class RecordedResultsTest : public ::testing::Test {
protected:
    // The program never clears the stop request; a test that runs a search
    // must start without one, whatever ran before it in this process.
    void SetUp() override { g_abortEvent.ResetEvent(); }
    void TearDown() override { g_abortEvent.ResetEvent(); }
};

TEST_F(RecordedResultsTest, CompleteSearchMatchesTheRecordInBothModes)
{
    for (const BOOL countAlternatives : {FALSE, TRUE}) {
        SCOPED_TRACE(countAlternatives ? "counting alternatives" : "not counting alternatives");
        CSolverStatus status;
        status.m_countAlternatives = countAlternatives;
        CSolverTask task;
        EXPECT_EQ(task.Run(&status), 0u);
        EXPECT_EQ(status.m_finished.load(), TRUE);
        ExpectFigures(status, countAlternatives ? COMPLETE_WITH_ALTERNATIVES : COMPLETE_WITHOUT_ALTERNATIVES);
    }
}

TEST_F(RecordedResultsTest, StopRequestedBeforeTheStartMatchesTheRecordInBothModes)
{
    for (const BOOL countAlternatives : {FALSE, TRUE}) {
        SCOPED_TRACE(countAlternatives ? "counting alternatives" : "not counting alternatives");
        g_abortEvent.SetEvent();
        CSolverStatus status;
        status.m_countAlternatives = countAlternatives;
        CSolverTask task;
        task.Run(&status);
        EXPECT_EQ(status.m_finished.load(), TRUE);
        ExpectFigures(status, STOPPED_BEFORE_THE_START);
    }
}

// The search below paths of a test's own, where the side that no candidate of
// the boarding changes is already unsafe: every candidate is a trial. Recorded
// in both modes from the straightforward search.
TEST_F(RecordedResultsTest, BoardingsBesideAnUnsafeSideMatchTheRecord)
{
    struct CUnsafeSideCase {
        const char* m_name;
        std::vector<std::string> m_path; // steps 1 and up
        int m_trials;
    };
    const std::vector<CUnsafeSideCase> cases = {
        // Travellers 0 and 9 on the far side without 1: no outbound boarding
        // changes that side, so each of the 55 candidates is unsafe.
        {"outbound boarding beside an unsafe far side",
         {"100000000100", "200000000200", "300000000200", "200000000200"},
         55},
        // Travellers 0 and 1 on the far side: traveller 3 stays with 9, 10 and
        // 11 on the start side, which no return boarding changes.
        {"return boarding beside an unsafe start side", {"110000000000", "220000000000"}, 3},
    };
    const std::vector<std::string> initialOnly = {"000000000000"};

    for (const CUnsafeSideCase& c : cases) {
        for (const BOOL countAlternatives : {FALSE, TRUE}) {
            SCOPED_TRACE(std::string(c.m_name) + (countAlternatives ? ", counting alternatives" : ""));
            CSolverStatus status;
            status.m_countAlternatives = countAlternatives;
            CCrossingPath path = PathThrough(c.m_path);
            CSolverTask task;
            task.SearchBelow(path, status);
            EXPECT_EQ(path.Top(), static_cast<int>(c.m_path.size()));
            EXPECT_EQ(status.m_finished.load(), FALSE);
            ExpectFigures(status, {c.m_trials, 0, 0, 100, 0, 0, initialOnly});
        }
    }
}

// IsSafe over all 4^12 arrangements, summed up as the number of safe ones and a
// running hash of their codes (traveller t at place (code >> 2t) & 3), both
// recorded from the straightforward rules.
TEST_F(RecordedResultsTest, SafetyOfEveryArrangementMatchesTheRecord)
{
    std::uint64_t safeCount = 0;
    std::uint64_t hash = 0;
    for (std::uint32_t code = 0; code < (1u << (2 * TRAVELLER_COUNT)); ++code) {
        CCrossingState state;
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            if (((code >> (2 * t)) & 3u) >= PLACE_ARRIVED)
                state.Board(t, PLACE_GOING);
        }
        state.Land();
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            const std::int32_t place = static_cast<std::int32_t>((code >> (2 * t)) & 3u);
            if (place == PLACE_GOING || place == PLACE_RETURNING)
                state.Board(t, place);
        }
        if (state.IsSafe()) {
            ++safeCount;
            hash = hash * 1000003u + code;
        }
    }
    EXPECT_EQ(safeCount, 376304u);
    EXPECT_EQ(hash, 17220621511801739842u);
}

} // namespace
