// Stops the search at random moments, from before its thread runs to after it
// has ended, through the same calls the dialog makes, and checks that every
// stop ends cleanly: the wait returns, no worker is left, the status is
// final and its best path is a legal one. Some runs also read the status the
// way the dialog's timer does while the search runs.
//
// The loop is seeded. The seed is printed and recorded as a test property;
// TORVALY_STRESS_SEED=<seed> replays a run's sequence of choices, and
// TORVALY_STRESS_RUNS=<n> changes the number of runs.

#include "PathChecker.h"
#include "engine/AbortEvent.h"
#include "engine/SolverStatus.h"
#include "engine/SolverTask.h"
#include "engine/SolverWorker.h"
#include "engine/WorkerTask.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;

// Generous hang bounds: a stop that takes this long has failed.
constexpr DWORD STOP_WAIT_MS = 30000;
constexpr auto SEARCH_HANG_BOUND = std::chrono::seconds(120);

// The first trips: all 78 are walked whatever happens, and all but seven of
// them break the rules, each counted as a trial.
constexpr int UNSAFE_FIRST_TRIPS = FIRST_TRIP_COUNT - 7;
// The shortest complete path: 23 trips, 12 outbound and 11 back.
constexpr int SHORTEST_TOP = 46;

unsigned long EnvNumber(const char* name, unsigned long fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    return end != nullptr && *end == '\0' ? value : fallback;
}

enum class StopKind {
    ALREADY_SET,   // the stop event is set before the worker is started
    IMMEDIATE,     // asked right after the start returns, often before the thread runs
    SHORT,         // within the first couple of milliseconds
    WITHIN_SEARCH, // anywhere in the length of a search without alternatives
    PAST_END,      // later than a search without alternatives ends
};

const char* KindName(StopKind kind)
{
    switch (kind) {
    case StopKind::ALREADY_SET:
        return "already-set";
    case StopKind::IMMEDIATE:
        return "immediate";
    case StopKind::SHORT:
        return "short";
    case StopKind::WITHIN_SEARCH:
        return "within-search";
    case StopKind::PAST_END:
        return "past-end";
    }
    return "?";
}

struct CRunPlan {
    bool m_countAlternatives = false;
    StopKind m_kind = StopKind::IMMEDIATE;
    microseconds m_delay{0};
    bool m_reader = false; // read the status on this thread while the search runs
};

CRunPlan PlanRun(std::mt19937& rng, microseconds searchLength)
{
    CRunPlan plan;
    plan.m_countAlternatives = rng() % 2 == 0;
    plan.m_reader = rng() % 3 == 0;
    const unsigned roll = rng() % 100;
    const double length = static_cast<double>(searchLength.count()) + 1.0;
    if (roll < 5) {
        plan.m_kind = StopKind::ALREADY_SET;
    } else if (roll < 20) {
        plan.m_kind = StopKind::IMMEDIATE;
    } else if (roll < 65) {
        plan.m_kind = StopKind::SHORT;
        plan.m_delay = microseconds(rng() % 2000);
    } else if (roll < 98) {
        // Spread evenly over the orders of magnitude of a search's length, so
        // that early and late stops are both common and the loop stays quick.
        plan.m_kind = StopKind::WITHIN_SEARCH;
        const double exponent = std::uniform_real_distribution<double>(0.0, std::log(length))(rng);
        plan.m_delay = microseconds(static_cast<long long>(std::exp(exponent)));
    } else {
        plan.m_kind = StopKind::PAST_END;
        plan.m_delay =
            microseconds(static_cast<long long>(length * std::uniform_real_distribution<double>(1.0, 1.5)(rng)));
    }
    return plan;
}

std::string Describe(int run, unsigned long seed, const CRunPlan& plan)
{
    std::ostringstream text;
    text << "run " << run << " of seed " << seed << " (" << (plan.m_countAlternatives ? "alternatives" : "plain")
         << ", stop " << KindName(plan.m_kind) << " after " << plan.m_delay.count() << " us"
         << (plan.m_reader ? ", with reader" : "") << ")";
    return text.str();
}

// What the dialog-like reader saw while the search ran.
class CStatusReader {
public:
    // Reads the counters and takes the best path when it changed, as one
    // timer tick of the dialog does. Returns whether the search had finished
    // before the figures were read.
    bool Sample(CSolverStatus& status)
    {
        const bool finished = status.m_finished != FALSE;
        const int trials = status.m_trials;
        const int max = status.m_progressMax;
        const int pos = status.m_progressPos;
        if (trials < m_trials)
            Fault("trials went back from " + std::to_string(m_trials) + " to " + std::to_string(trials));
        if (pos < m_pos)
            Fault("progress went back from " + std::to_string(m_pos) + " to " + std::to_string(pos));
        if (max <= 0 || pos < 0 || pos > max)
            Fault("progress " + std::to_string(pos) + " outside 0.." + std::to_string(max));
        m_trials = trials;
        m_pos = pos;

        CCrossingPath taken;
        if (status.TakeBestIfChanged(taken))
            TakeBest(taken);
        return finished;
    }

    // The latest best path taken from the status.
    const CCrossingPath& Best() const { return m_best; }
    void TakeBest(const CCrossingPath& taken)
    {
        const std::string fault = CheckPath(taken);
        if (!fault.empty())
            Fault("a best path taken during the search is illegal: " + fault);
        // The best is only ever replaced by a better one.
        const bool better = taken.ArrivedCount() > m_best.ArrivedCount() ||
                            (taken.ArrivedCount() == m_best.ArrivedCount() && taken.Top() < m_best.Top());
        if (m_takes > 0 && !better)
            Fault("the best path changed from top " + std::to_string(m_best.Top()) + " with " +
                  std::to_string(m_best.ArrivedCount()) + " arrived to a path that is not better: top " +
                  std::to_string(taken.Top()) + " with " + std::to_string(taken.ArrivedCount()) + " arrived");
        m_best = taken;
        ++m_takes;
    }

    long Samples() const { return m_samples; }
    void CountSample() { ++m_samples; }
    const std::string& FirstFault() const { return m_fault; }

private:
    void Fault(const std::string& what)
    {
        if (m_fault.empty())
            m_fault = what;
    }

    int m_trials = 0;
    int m_pos = 0;
    int m_takes = 0;
    long m_samples = 0;
    CCrossingPath m_best;
    std::string m_fault;
};

struct CRunOutcome {
    BOOL m_waited = FALSE;
    bool m_finishedBeforeStop = false;
    bool m_hung = false;
    std::string m_fault;
};

// Runs one search and stops it as planned. The status is handed back only
// when the worker is known to have ended; otherwise it is left to the worker.
CRunOutcome StopOneSearch(const CRunPlan& plan, std::unique_ptr<CSolverStatus>& status, CStatusReader& reader)
{
    CRunOutcome outcome;
    g_abortEvent.ResetEvent();
    status->m_countAlternatives = plan.m_countAlternatives ? TRUE : FALSE;
    if (plan.m_kind == StopKind::ALREADY_SET)
        g_abortEvent.SetEvent();

    if (StartSolverWorker(status.get()) == nullptr) {
        outcome.m_fault = "the worker could not be started";
        outcome.m_waited = TRUE; // nothing runs
        return outcome;
    }

    auto stop = [&plan, &status, &outcome] {
        if (plan.m_delay.count() > 0)
            std::this_thread::sleep_for(plan.m_delay);
        // With the stop set before the start, no run ends unstopped.
        outcome.m_finishedBeforeStop = plan.m_kind != StopKind::ALREADY_SET && status->m_finished != FALSE;
        outcome.m_waited = RequestAbortAndWait(STOP_WAIT_MS);
    };

    if (!plan.m_reader) {
        stop();
    } else {
        // The stop comes from another thread while this one reads the status
        // until the search says it has finished.
        std::thread stopper(stop);
        const auto giveUp = Clock::now() + SEARCH_HANG_BOUND;
        for (;;) {
            reader.CountSample();
            if (reader.Sample(*status))
                break;
            if (Clock::now() > giveUp) {
                outcome.m_hung = true;
                break;
            }
            std::this_thread::yield();
        }
        stopper.join();
        if (outcome.m_hung && outcome.m_fault.empty())
            outcome.m_fault = "the search did not finish within the hang bound";
    }
    if (!outcome.m_waited) {
        outcome.m_fault =
            "RequestAbortAndWait did not see the worker end within " + std::to_string(STOP_WAIT_MS) + " ms";
        // The worker may still write to the status: never free it.
        (void)status.release();
    }
    return outcome;
}

// Checks everything that must hold once the stop's wait has returned.
std::string CheckStoppedRun(const CRunPlan& plan, const CRunOutcome& outcome, CSolverStatus& status,
                            CStatusReader& reader)
{
    if (!outcome.m_fault.empty())
        return outcome.m_fault;
    if (!reader.FirstFault().empty())
        return reader.FirstFault();
    if (g_idleEvent.Lock(0) != TRUE)
        return "the idle event is not set after the wait";
    if (g_runningWorkers.load() != 0)
        return "g_runningWorkers is " + std::to_string(g_runningWorkers.load()) + " after the wait";
    if (status.m_finished != TRUE)
        return "the status is not finished after the wait";
    if (status.m_progressMax != FIRST_TRIP_COUNT || status.m_progressPos != FIRST_TRIP_COUNT)
        return "progress ended at " + std::to_string(status.m_progressPos) + "/" +
               std::to_string(status.m_progressMax) + ", the first trips are always all walked";
    if (status.m_trials < UNSAFE_FIRST_TRIPS)
        return "only " + std::to_string(status.m_trials) + " trials";
    if (!plan.m_countAlternatives && status.m_alternatives != 0)
        return "alternatives counted without being asked for: " + std::to_string(status.m_alternatives);

    CCrossingPath taken;
    if (status.TakeBestIfChanged(taken))
        reader.TakeBest(taken);
    if (!reader.FirstFault().empty())
        return reader.FirstFault();
    const CCrossingPath& best = reader.Best();
    const std::string fault = CheckPath(best);
    if (!fault.empty())
        return "the final best path is illegal: " + fault;
    // Every first trip's landing is offered, so the best has at least one
    // trip, and only outbound landings are ever offered.
    if (best.Top() % 4 != 2 || best.ArrivedCount() < 2)
        return "final best path of top " + std::to_string(best.Top()) + " with " + std::to_string(best.ArrivedCount()) +
               " arrived";
    if (plan.m_kind == StopKind::ALREADY_SET && best.Top() != 2)
        return "no return trip may be boarded once the stop is set, yet the best path has top " +
               std::to_string(best.Top());
    if (outcome.m_finishedBeforeStop && (best.Top() != SHORTEST_TOP || best.ArrivedCount() != TRAVELLER_COUNT))
        return "a search that ran to its end left a best path of top " + std::to_string(best.Top()) + " with " +
               std::to_string(best.ArrivedCount()) + " arrived";
    return {};
}

class StopStress : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetThreadStartHookForTesting(nullptr);
        SetThreadStartFailureForTesting(FALSE);
        g_abortEvent.ResetEvent();
    }
    void TearDown() override { g_abortEvent.ResetEvent(); }
};

TEST_F(StopStress, EveryStopEndsCleanlyWithALegalBestPath)
{
    const unsigned long seed = EnvNumber("TORVALY_STRESS_SEED", std::random_device{}());
    const int runs = static_cast<int>(EnvNumber("TORVALY_STRESS_RUNS", 1000));
    RecordProperty("seed", std::to_string(seed));
    RecordProperty("runs", runs);
    std::cout << "stop stress: seed " << seed << ", " << runs << " runs (replay with TORVALY_STRESS_SEED=" << seed
              << ")" << std::endl;
    std::mt19937 rng(static_cast<std::mt19937::result_type>(seed));

    // A first search without alternatives runs to its end while it is read;
    // its length scales the delays of the runs that follow.
    microseconds searchLength{0};
    {
        CRunPlan plan;
        plan.m_kind = StopKind::PAST_END;
        plan.m_reader = true;
        plan.m_delay = microseconds(std::chrono::duration_cast<microseconds>(SEARCH_HANG_BOUND).count() / 2);
        auto status = std::make_unique<CSolverStatus>();
        CStatusReader reader;
        g_abortEvent.ResetEvent();
        const auto start = Clock::now();
        ASSERT_NE(StartSolverWorker(status.get()), nullptr);
        const auto giveUp = start + SEARCH_HANG_BOUND;
        while (!reader.Sample(*status) && Clock::now() < giveUp)
            std::this_thread::yield();
        searchLength = std::chrono::duration_cast<microseconds>(Clock::now() - start);
        CRunOutcome outcome;
        // With the stop set before the start, no run ends unstopped.
        outcome.m_finishedBeforeStop = plan.m_kind != StopKind::ALREADY_SET && status->m_finished != FALSE;
        outcome.m_waited = RequestAbortAndWait(STOP_WAIT_MS);
        if (!outcome.m_waited)
            (void)status.release();
        ASSERT_TRUE(outcome.m_finishedBeforeStop) << "the first search did not finish within the hang bound";
        ASSERT_TRUE(outcome.m_waited);
        const std::string fault = CheckStoppedRun(plan, outcome, *status, reader);
        ASSERT_EQ(fault, "") << "the first, complete search";
        EXPECT_EQ(status->m_alternatives, 0);
    }
    RecordProperty("search_length_us", static_cast<int>(searchLength.count()));

    int finishedBeforeStop = 0;
    int cutShort = 0; // runs whose stop, asked after the start, left the best path incomplete
    int readerRuns = 0;
    long samples = 0;
    int byKind[5] = {};
    const auto loopStart = Clock::now();
    for (int run = 0; run < runs; ++run) {
        const CRunPlan plan = PlanRun(rng, searchLength);
        auto status = std::make_unique<CSolverStatus>();
        CStatusReader reader;
        const CRunOutcome outcome = StopOneSearch(plan, status, reader);
        if (!status) {
            FAIL() << Describe(run, seed, plan) << ": " << outcome.m_fault;
        }
        const std::string fault = CheckStoppedRun(plan, outcome, *status, reader);
        if (!fault.empty()) {
            FAIL() << Describe(run, seed, plan) << ": " << fault;
        }
        finishedBeforeStop += outcome.m_finishedBeforeStop ? 1 : 0;
        if (plan.m_kind != StopKind::ALREADY_SET && reader.Best().ArrivedCount() < TRAVELLER_COUNT)
            ++cutShort;
        readerRuns += plan.m_reader ? 1 : 0;
        samples += reader.Samples();
        ++byKind[static_cast<int>(plan.m_kind)];
    }
    g_abortEvent.ResetEvent();

    const auto loopMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - loopStart).count();
    std::cout << "stop stress: one search " << searchLength.count() / 1000 << " ms; " << runs << " runs in " << loopMs
              << " ms; stops by kind (already-set, immediate, short, within, past-end):";
    for (int count : byKind)
        std::cout << ' ' << count;
    std::cout << "; " << finishedBeforeStop << " ended before their stop, " << cutShort
              << " cut short with an incomplete best; " << readerRuns << " read while running (" << samples
              << " samples)" << std::endl;
    // The stops must really have cut searches short, not only found them ended.
    EXPECT_GT(cutShort, 0);
}

} // namespace
