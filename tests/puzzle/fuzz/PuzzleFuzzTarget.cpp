// Feeds any bytes to the puzzle file reader and checks the answer: a
// problem is one safe line with a place inside the text, or the puzzle read
// keeps every limit, writes out and reads back as the same puzzle, and, when
// small enough to solve at once, has a first plan of trips its judge accepts.
//
// Built as a libFuzzer target with clang, and with any compiler together with
// tests/engine/fuzz/ReplayMain.cpp, which replays the corpus folder as a test.

#include "FuzzRequire.h"
#include "puzzle/PuzzleReader.h"
#include "puzzle/PuzzleSolver.h"
#include "puzzle/PuzzleWriter.h"
#include "puzzle/TripWords.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

const char* const FUZZ_TARGET_NAME = "puzzle fuzz";

namespace {

// Solving takes longer with every traveller; these many are solved at once.
constexpr int SOLVED_TRAVELLERS = 10;

void RequireKeptLimits(const CPuzzle& puzzle)
{
    const int count = puzzle.TravellerCount();
    Require(count >= 1 && count <= MAX_TRAVELLERS, "travellers", count);
    Require(puzzle.m_seats >= 1 && puzzle.m_seats <= MAX_SEATS, "seats", puzzle.m_seats);
    Require(puzzle.m_rowers != 0 && (puzzle.m_rowers & ~puzzle.Everybody()) == 0, "rowers");
    for (int t = 0; t < count; ++t) {
        const std::string& name = puzzle.NameOf(t);
        Require(!name.empty() && name.size() <= MAX_NAME_BYTES, "a name's length", t);
        Require(puzzle.TravellerNamed(name) == t, "a name twice", t);
    }
    for (int rule = FIRST_STATED_RULE; rule <= puzzle.RuleCount(); ++rule)
        Require((NamedBy(puzzle.Rule(rule)) & ~puzzle.Everybody()) == 0, "a rule naming a stranger", rule);
    const auto perTraveller = [&](std::size_t size) { return size == 0 || size == static_cast<std::size_t>(count); };
    Require(perTraveller(puzzle.m_weights.size()) && puzzle.HasLoad() == !puzzle.m_weights.empty(), "weights");
    Require(perTraveller(puzzle.m_times.size()) && (puzzle.m_timeLimit == 0 || puzzle.HasTimes()), "times");
    Require(perTraveller(puzzle.m_types.size()) && perTraveller(puzzle.m_looks.size()), "types or looks");
}

void RequireSolvedPlan(const CPuzzle& puzzle)
{
    const CPuzzleSolution solution(puzzle);
    CPuzzleState state;
    std::int64_t elapsed = 0;
    for (const TravellerSet trip : solution.FirstPlan()) {
        const CPuzzleVerdict verdict = solution.Judge().Judge(state, trip, elapsed);
        Require(verdict.IsAccepted(), "a planned trip refused", static_cast<long long>(trip));
        state = verdict.m_after;
        elapsed = verdict.m_time;
    }
    Require(solution.IsSolvable() == (state.m_across == puzzle.Everybody()), "the plan does not end across");
    Require(static_cast<int>(solution.FirstPlan().size()) == std::max(solution.FewestTrips(), 0), "plan length");
    Require(!solution.IsSolvable() || elapsed == solution.Fastest(), "the plan's time is not the fastest", elapsed);
    Require(solution.PlansByType().value_or(0) <= solution.ShortestPlans().value_or(~0ull), "more plans by type");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const CPuzzleReading reading = ReadPuzzleText(text, "fuzz.crossing.toml", "fuzz");
    if (!reading.IsRead()) {
        const std::string reason = reading.Reason();
        Require(std::none_of(reason.begin(), reason.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }),
                "an unsafe reason");
        const long lines = static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
        Require(reading.Line() >= 0 && reading.Line() <= lines, "a problem's line outside the text", reading.Line());
        return 0;
    }
    const CPuzzle& puzzle = reading.Puzzle();
    RequireKeptLimits(puzzle);
    const CPuzzleReading again = ReadPuzzleText(PuzzleFileText(puzzle), "written", "not this title");
    Require(again.IsRead() && again.Puzzle() == puzzle, "written out, it reads back otherwise");
    if (puzzle.TravellerCount() <= SOLVED_TRAVELLERS)
        RequireSolvedPlan(puzzle);
    return 0;
}
