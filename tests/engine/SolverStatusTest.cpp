#include "PathBuilder.h"
#include "SearchRun.h"

#include <gtest/gtest.h>

namespace {

// The best path as the dialog would take it; top -1 when it did not change.
int TakenTop(CSolverStatus& status)
{
    CCrossingPath taken;
    return status.TakeBestIfChanged(taken) ? taken.Top() : -1;
}

TEST(SolverStatusTest, StartsEmptyWithTheInitialPathPending)
{
    CSolverStatus status;
    EXPECT_EQ(status.m_progressMax, 100);
    EXPECT_EQ(status.m_progressPos, 0);
    EXPECT_EQ(status.m_trials, 0);
    EXPECT_EQ(status.m_alternatives, 0);
    EXPECT_FALSE(status.m_countAlternatives);
    EXPECT_FALSE(status.m_finished);

    CCrossingPath out = PathEndingWith(3, 1);
    EXPECT_TRUE(status.TakeBestIfChanged(out));
    EXPECT_EQ(out.Top(), 0);
    EXPECT_EQ(out.ArrivedCount(), 0);

    // Nothing changed since: the copy is left alone.
    CCrossingPath untouched = PathEndingWith(3, 1);
    EXPECT_FALSE(status.TakeBestIfChanged(untouched));
    EXPECT_EQ(untouched.Top(), 3);
}

TEST(SolverStatusTest, KeepsTheBestIncompletePathAndSearchesOn)
{
    CSolverStatus status;
    ASSERT_EQ(TakenTop(status), 0);

    const std::int32_t before = status.m_lastClock;
    EXPECT_TRUE(status.OfferPath(PathEndingWith(2, 1))) << "more arrivals than the initial path";
    EXPECT_GE(status.m_lastClock, before);
    EXPECT_EQ(TakenTop(status), 2);

    EXPECT_TRUE(status.OfferPath(PathEndingWith(6, 3)));
    EXPECT_TRUE(status.OfferPath(PathEndingWith(14, 4)));
    EXPECT_EQ(TakenTop(status), 14) << "several changes are taken once";
    EXPECT_EQ(TakenTop(status), -1);

    EXPECT_TRUE(status.OfferPath(PathEndingWith(10, 2))) << "fewer arrivals: search on";
    EXPECT_TRUE(status.OfferPath(PathEndingWith(14, 4))) << "a tie: search on";
    EXPECT_TRUE(status.OfferPath(PathEndingWith(18, 4))) << "longer: search on";
    EXPECT_EQ(TakenTop(status), -1) << "none of them replaced the best";

    EXPECT_TRUE(status.OfferPath(PathEndingWith(10, 4))) << "as many arrivals, shorter";
    EXPECT_EQ(TakenTop(status), 10);
    EXPECT_EQ(status.m_trials, 0) << "the status counts no trials";
}

TEST(SolverStatusTest, BoundsTheSearchByTheCompleteBest)
{
    for (BOOL countAlternatives : {FALSE, TRUE}) {
        CSolverStatus status;
        status.m_countAlternatives = countAlternatives;
        ASSERT_TRUE(status.OfferPath(PathEndingWith(50, 12)));
        ASSERT_EQ(TakenTop(status), 50);

        // 34 + 4 * (12 - 8) = 50: can only tie.
        EXPECT_EQ(status.OfferPath(PathEndingWith(34, 8)), countAlternatives);
        // 30 + 16 = 46: can still beat it.
        EXPECT_TRUE(status.OfferPath(PathEndingWith(30, 8)));
        // 38 + 16 = 54: cannot.
        EXPECT_FALSE(status.OfferPath(PathEndingWith(38, 8)));
        EXPECT_EQ(TakenTop(status), -1);
        EXPECT_EQ(status.m_alternatives, 0);
    }
}

TEST(SolverStatusTest, CountsAlternativesOfTheBestLengthOnlyWhenAsked)
{
    for (BOOL countAlternatives : {FALSE, TRUE}) {
        CSolverStatus status;
        status.m_countAlternatives = countAlternatives;
        ASSERT_TRUE(status.OfferPath(PathEndingWith(50, 12)));

        EXPECT_FALSE(status.OfferPath(PathEndingWith(50, 12))) << "a complete path is never searched further";
        EXPECT_FALSE(status.OfferPath(PathEndingWith(50, 12)));
        EXPECT_FALSE(status.OfferPath(PathEndingWith(54, 12))) << "longer: not an alternative";
        EXPECT_EQ(status.m_alternatives, countAlternatives ? 2 : 0);

        EXPECT_TRUE(status.OfferPath(PathEndingWith(46, 12))) << "shorter: the new best";
        EXPECT_EQ(status.m_alternatives, 0);
        EXPECT_EQ(TakenTop(status), 46);
    }
}

TEST(SolverStatusTest, ProgressStaysWithinItsRange)
{
    CSolverStatus status;
    status.SetProgressRange(0);
    status.SetProgressRange(-5);
    EXPECT_EQ(status.m_progressMax, 100);

    status.SetProgressRange(3);
    EXPECT_EQ(status.m_progressMax, 3);
    for (int step = 0; step < 5; ++step)
        status.StepProgress();
    EXPECT_EQ(status.m_progressPos, 3);

    status.SetProgressRange(2);
    EXPECT_EQ(status.m_progressPos, 0) << "a new range starts from 0";

    status.MarkStart();
    status.MarkFinished();
    EXPECT_TRUE(status.m_finished);
    EXPECT_GE(status.m_lastClock, status.m_startClock);
}

} // namespace
