// Benchmarks of the exact solver of any puzzle: the shipped puzzles, the
// built-in puzzle read from its own file, large puzzles with rules of every
// kind, and the hint's question once a puzzle is solved. Not part of the
// tests; see bench/README.md.

#include "RecordedShortestPath.h"
#include "TestPuzzles.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"
#include "puzzle/PuzzleWriter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Reads and solves puzzle text, with its count of shortest plans: all it
// takes to show a puzzle's answer.
void SolveText(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) {
        const CPuzzleReading reading = ReadPuzzleText(text, "bench", "bench");
        if (!reading.IsRead()) {
            state.SkipWithError(reading.Reason().c_str());
            return;
        }
        const CPuzzleSolution solution(reading.Puzzle());
        benchmark::DoNotOptimize(solution.ShortestPlans());
        benchmark::DoNotOptimize(solution.PlansByType());
    }
}

// Each shipped puzzle. Goal: within 5 ms.
void SolveShipped(benchmark::State& state, const char* name)
{
    std::string text;
    for (const CPuzzleEntry& entry : PuzzleEntries(ShippedPuzzlesFolder())) {
        if (entry.m_name == name)
            text = PuzzleFileText(OpenPuzzle(name, ShippedPuzzlesFolder()).Puzzle());
    }
    if (text.empty()) {
        state.SkipWithError("no such shipped puzzle");
        return;
    }
    SolveText(state, text);
}
BENCHMARK_CAPTURE(SolveShipped, wolf, "wolf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveShipped, missionaries, "missionaries")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveShipped, couples, "couples")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveShipped, night, "night")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveShipped, family, "family")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveShipped, alcuin, "alcuin")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveShipped, chain, "chain")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveShipped, five_couples, "five-couples")->Unit(benchmark::kMillisecond);

// The built-in puzzle as a file. Goal: within 20 ms.
void SolveBuiltInFile(benchmark::State& state)
{
    SolveText(state, PuzzleFileText(BuiltInPuzzle()));
}
BENCHMARK(SolveBuiltInFile)->Unit(benchmark::kMillisecond);

// Sixteen travellers and a boat of two, twelve and a boat of three, with a
// rule of every kind. Goal: within 200 ms.
void SolveLarge(benchmark::State& state)
{
    SolveText(state, RulesOfEveryKindPuzzleText(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
}
BENCHMARK(SolveLarge)->ArgNames({"travellers", "seats"})->Args({16, 2})->Args({12, 3})->Unit(benchmark::kMillisecond);

// The same with every key of the family: weights and a load, times and a
// limit, a type of three, rules held everywhere, on the banks and in the
// boat. Goals: 12 travellers and 3 seats within 50 ms, 16 and 4 within 1 s.
void SolveWholeFamily(benchmark::State& state)
{
    SolveText(state, WholeFamilyPuzzleText(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
}
BENCHMARK(SolveWholeFamily)
    ->ArgNames({"travellers", "seats"})
    ->Args({12, 3})
    ->Args({16, 4})
    ->Unit(benchmark::kMillisecond);

// The hint's question once the puzzle is solved: the arrangements of the
// recorded shortest path after each trip, in turn. Goal: within 1
// microsecond.
void ContinuationLookup(benchmark::State& state)
{
    std::vector<CPuzzleState> states = {CPuzzleState()};
    for (int trip = 1; trip <= RECORDED_SHORTEST_TOP / 2; ++trip)
        states.push_back(StateAfterTrip(states.back(), RecordedTrip(trip)));
    const CPuzzleSolution& solution = BuiltInSolution();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solution.Continuation(states[next]));
        if (++next == states.size())
            next = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ContinuationLookup);

} // namespace

BENCHMARK_MAIN();
