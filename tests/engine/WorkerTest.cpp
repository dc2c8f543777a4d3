#include "PathChecker.h"
#include "SearchRun.h"
#include "engine/SolverWorker.h"
#include "engine/WorkerTask.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

constexpr DWORD HANG_BOUND_MS = 60000;

class WorkerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_abortEvent.ResetEvent();
        ASSERT_EQ(g_runningWorkers.load(), 0);
        ASSERT_TRUE(g_idleEvent.Lock(0));
    }
    void TearDown() override
    {
        SetThreadStartHookForTesting(nullptr);
        SetThreadStartFailureForTesting(FALSE);
        EXPECT_TRUE(RequestAbortAndWait(HANG_BOUND_MS));
        EXPECT_EQ(g_runningWorkers.load(), 0);
        g_abortEvent.ResetEvent();
    }
};

TEST_F(WorkerTest, SearchOnTheWorkerThreadMatchesTheCallingThread)
{
    for (bool countAlternatives : {false, true}) {
        const CSearchOutcome here = SearchOnThisThread(countAlternatives);

        CSolverStatus status;
        status.m_countAlternatives = countAlternatives ? TRUE : FALSE;
        ASSERT_NE(StartSolverWorker(&status), nullptr);
        ASSERT_TRUE(g_idleEvent.Lock(HANG_BOUND_MS));
        EXPECT_EQ(g_runningWorkers.load(), 0);

        const CSearchOutcome there = ReadOutcome(status);
        EXPECT_TRUE(there.m_finished);
        EXPECT_EQ(there.m_progressPos, 78);
        EXPECT_EQ(there.m_trials, here.m_trials);
        EXPECT_EQ(there.m_alternatives, here.m_alternatives);
        EXPECT_EQ(Rows(there.m_best), Rows(here.m_best));
        EXPECT_EQ(CheckPath(there.m_best), "");
    }
}

TEST_F(WorkerTest, StopDuringTheSearchEndsItWithAConsistentStatus)
{
    CSolverStatus status;
    status.m_countAlternatives = TRUE;
    ASSERT_NE(StartSolverWorker(&status), nullptr);

    // Wait, without sleeping, until the search is seen at work.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (status.m_trials == 0 && !status.m_finished && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    const int trialsSeen = status.m_trials;
    ASSERT_GT(trialsSeen, 0);

    EXPECT_TRUE(RequestAbortAndWait(HANG_BOUND_MS));
    EXPECT_TRUE(g_idleEvent.Lock(0));
    EXPECT_EQ(g_runningWorkers.load(), 0);
    const CSearchOutcome run = ReadOutcome(status);
    EXPECT_TRUE(run.m_finished);
    EXPECT_EQ(run.m_progressPos, 78) << "the first trips are always all walked";
    EXPECT_GE(run.m_trials, trialsSeen);
    EXPECT_EQ(CheckPath(run.m_best), "");
    EXPECT_GE(ClockDifference(status.m_lastClock, status.m_startClock), 0);
}

// Holds a new worker thread until the stop has been requested.
void WaitForTheStopRequest()
{
    g_abortEvent.Lock(INFINITE);
}

TEST_F(WorkerTest, StopRightAfterTheStartWaitsForTheWorker)
{
    SetThreadStartHookForTesting(WaitForTheStopRequest);
    CSolverStatus status;
    ASSERT_NE(StartSolverWorker(&status), nullptr);
    EXPECT_FALSE(g_idleEvent.Lock(0)) << "counted before its thread runs";

    // The worker has not built its task yet; the wait must still cover it.
    EXPECT_TRUE(RequestAbortAndWait(HANG_BOUND_MS));
    EXPECT_TRUE(status.m_finished) << "the wait returned before the worker ended";
    EXPECT_EQ(g_runningWorkers.load(), 0);
    EXPECT_EQ(status.m_progressPos, 78);
}

TEST_F(WorkerTest, FailedStartCountsNoWorker)
{
    SetThreadStartFailureForTesting(TRUE);
    CSolverStatus status;
    EXPECT_EQ(StartSolverWorker(&status), nullptr);
    EXPECT_EQ(g_runningWorkers.load(), 0);
    EXPECT_TRUE(g_idleEvent.Lock(0));

    SetThreadStartFailureForTesting(FALSE);
    ASSERT_NE(StartSolverWorker(&status), nullptr) << "a later start works";
    EXPECT_TRUE(g_idleEvent.Lock(HANG_BOUND_MS));
    EXPECT_TRUE(status.m_finished);
}

// What the finished notification saw.
struct CNotificationSeen {
    const CSolverStatus* m_status;
    int m_calls = 0;
    bool m_finishedAndCounted = false;

    static void Record(void* context)
    {
        auto* seen = static_cast<CNotificationSeen*>(context);
        ++seen->m_calls;
        seen->m_finishedAndCounted = seen->m_status->m_finished && !g_idleEvent.Lock(0);
    }
};

TEST_F(WorkerTest, TellsOfTheEndAfterTheStatusIsFinishedAndBeforeTheWaitEnds)
{
    CSolverStatus status;
    CNotificationSeen seen{&status};
    SetThreadStartFailureForTesting(TRUE);
    EXPECT_EQ(StartSolverWorker(&status, {&CNotificationSeen::Record, &seen}), nullptr);
    SetThreadStartFailureForTesting(FALSE);
    ASSERT_NE(StartSolverWorker(&status, {&CNotificationSeen::Record, &seen}), nullptr);
    ASSERT_TRUE(g_idleEvent.Lock(HANG_BOUND_MS));
    EXPECT_EQ(seen.m_calls, 1) << "once, and not for the start that failed";
    EXPECT_TRUE(seen.m_finishedAndCounted);
}

TEST_F(WorkerTest, IdleOnlyWhenTheLastTaskObjectIsGone)
{
    {
        CWorkerTask first;
        EXPECT_EQ(g_runningWorkers.load(), 1);
        EXPECT_FALSE(g_idleEvent.Lock(0));
        {
            CWorkerTask second;
            EXPECT_EQ(g_runningWorkers.load(), 2);
            EXPECT_EQ(second.Run(nullptr), 0u);
        }
        EXPECT_EQ(g_runningWorkers.load(), 1);
        EXPECT_FALSE(g_idleEvent.Lock(0));
        EXPECT_FALSE(g_idleEvent.Lock(1)) << "a timed wait times out";
    }
    EXPECT_EQ(g_runningWorkers.load(), 0);
    EXPECT_TRUE(g_idleEvent.Lock(0));
}

TEST_F(WorkerTest, StopAndWaitWithNoWorkerReturnsAtOnce)
{
    EXPECT_NE(RequestAbortAndWait(0), 0) << "a zero wait succeeds only if already idle";
    EXPECT_TRUE(g_abortEvent.Lock(0)) << "the stop stays requested";
}

} // namespace
