// Benchmarks of the puzzle engine: the complete search in both modes, the
// operations it spends its time in, and the shortest continuation that the
// game's hint asks. Not part of the tests; see bench/README.md.

#include "Arrangement.h"
#include "RecordedShortestPath.h"
#include "engine/AbortEvent.h"
#include "engine/CrossingPath.h"
#include "engine/CrossingState.h"
#include "engine/SolverStatus.h"
#include "engine/SolverTask.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The nodes of the search tree of one complete run (accepted boardings and
// landings), counted once by a counting build of the search that pushed every
// one of them; the search now counts most outbound landings without pushing
// them, but the tree is fixed by the puzzle, like the trial count.
constexpr double NODES_WITHOUT_ALTERNATIVES = 393390;
constexpr double NODES_WITH_ALTERNATIVES = 16065728;

// The shortest path that the search finds.
const auto& SHORTEST_PATH = RECORDED_SHORTEST_PATH;
constexpr int SHORTEST_TOP = static_cast<int>(std::size(SHORTEST_PATH)) - 1;

// The shortest path up to and including step top.
CCrossingPath ShortestPathUpTo(int top)
{
    CCrossingPath path;
    for (int step = 1; step <= top; ++step)
        path.Push(MakeArrangement(SHORTEST_PATH[step]));
    return path;
}

void CompleteSearch(benchmark::State& state)
{
    const BOOL countAlternatives = state.range(0) != 0 ? TRUE : FALSE;
    int trials = 0;
    for (auto _ : state) {
        // The program never clears the stop request; a benchmark may.
        g_abortEvent.ResetEvent();
        CSolverStatus status;
        status.m_countAlternatives = countAlternatives;
        CSolverTask task;
        task.Run(&status);
        trials = status.m_trials;
        benchmark::DoNotOptimize(trials);
        if (!status.m_finished.load()) {
            state.SkipWithError("the search did not finish");
            break;
        }
    }
    const double nodes = countAlternatives ? NODES_WITH_ALTERNATIVES : NODES_WITHOUT_ALTERNATIVES;
    state.counters["nodes"] = benchmark::Counter(nodes, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["trials"] = benchmark::Counter(trials, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(CompleteSearch)->ArgName("alternatives")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Every boarding candidate of the shortest path's steps: each landed
// arrangement with every traveller alone and every pair boarded from the side
// the next trip leaves. Mostly unsafe, as in the search.
std::vector<CCrossingState> BoardingCandidates()
{
    std::vector<CCrossingState> candidates;
    for (int step = 0; step < SHORTEST_TOP; step += 2) {
        const CCrossingState landed = MakeArrangement(SHORTEST_PATH[step]);
        const int action = step % STEPS_PER_ROUND_TRIP == 0 ? PLACE_GOING : PLACE_RETURNING;
        for (int i = 0; i < TRAVELLER_COUNT; ++i) {
            for (int j = i; j < TRAVELLER_COUNT; ++j) {
                CCrossingState candidate = landed;
                if (candidate.Board(i, action) && (j == i || candidate.Board(j, action)))
                    candidates.push_back(candidate);
            }
        }
    }
    return candidates;
}

void IsSafe(benchmark::State& state)
{
    const std::vector<CCrossingState> candidates = BoardingCandidates();
    int safe = 0;
    for (const CCrossingState& candidate : candidates)
        safe += candidate.IsSafe();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(candidates[next].IsSafe());
        if (++next == candidates.size())
            next = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["safe_share"] = static_cast<double>(safe) / static_cast<double>(candidates.size());
}
BENCHMARK(IsSafe);

// A path of 97 arrangements (top 96) whose arrangements all differ from the
// candidate, so that the push compares it with all 24 earlier arrangements of
// its phase. Argument 0: they differ from it in the first travellers, as most
// do in the search; argument 1: only in the last ones, the slowest case.
void PushOnDeepPath(benchmark::State& state)
{
    const bool differLate = state.range(0) != 0;
    auto places = [differLate](int code) {
        // code in base 4 over five travellers, at the start or at the end.
        std::string digits(TRAVELLER_COUNT, '0');
        for (int k = 0; k < 5; ++k) {
            const int t = differLate ? TRAVELLER_COUNT - 1 - k : k;
            digits[t] = static_cast<char>('0' + (code >> (2 * k)) % 4);
        }
        return digits;
    };
    CCrossingPath path;
    for (int step = 1; step <= 96; ++step) {
        if (!path.Push(MakeArrangement(places(step)))) {
            state.SkipWithError("could not build the path");
            return;
        }
    }
    const CCrossingState candidate = MakeArrangement(places(1000));
    for (auto _ : state) {
        if (!path.Push(candidate)) {
            state.SkipWithError("the candidate was refused");
            break;
        }
        path.Pop();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PushOnDeepPath)->ArgName("differ_late")->Arg(0)->Arg(1);

// Offers after the best is complete, as nearly every offer of the search is.
// Argument kind 0: an incomplete path that the bound judges; 1: a complete path
// as long as the best, an alternative. Argument alternatives: the mode.
void OfferPath(benchmark::State& state)
{
    const bool complete = state.range(0) != 0;
    CSolverStatus status;
    status.m_countAlternatives = state.range(1) != 0 ? TRUE : FALSE;
    status.OfferPath(ShortestPathUpTo(SHORTEST_TOP));
    const CCrossingPath offered = ShortestPathUpTo(complete ? SHORTEST_TOP : 34);
    for (auto _ : state)
        benchmark::DoNotOptimize(status.OfferPath(offered));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(OfferPath)->ArgNames({"kind", "alternatives"})->ArgsProduct({{0, 1}, {0, 1}});

// The dialog's copy of the best path. Argument 0: nothing changed since the
// last copy (every timer tick but a few); 1: the best changed, so the whole path
// is copied.
void TakeBestIfChanged(benchmark::State& state)
{
    const bool changed = state.range(0) != 0;
    // Fresh statuses have their best pending; a pool of them keeps the copies
    // cheap to prepare.
    constexpr int POOL_SIZE = 64;
    auto pool = std::make_unique<CSolverStatus[]>(POOL_SIZE);
    int next = 0;
    CCrossingPath out;
    if (!changed)
        pool[0].TakeBestIfChanged(out);
    for (auto _ : state) {
        if (!changed) {
            benchmark::DoNotOptimize(pool[0].TakeBestIfChanged(out));
            continue;
        }
        if (next == POOL_SIZE) {
            state.PauseTiming();
            pool = std::make_unique<CSolverStatus[]>(POOL_SIZE);
            next = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(pool[next++].TakeBestIfChanged(out));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TakeBestIfChanged)->ArgName("changed")->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
