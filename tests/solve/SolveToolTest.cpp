// torvaly-solve as a user runs it: the whole process, its output and status.
#include "RunProcess.h"
#include "SearchRun.h"
#include "TableReader.h"

#include <gtest/gtest.h>

namespace {

// The report must show run's best path row by row, and run's figures.
void ExpectReportOf(const CSearchOutcome& run, const std::string& out)
{
    CSolveReport report;
    ASSERT_EQ(ParseSolveReport(out, report), "") << out;
    EXPECT_EQ(Rows(report.m_path), Rows(run.m_best));
    EXPECT_EQ(report.m_trials, run.m_trials);
    EXPECT_EQ(report.m_roundTrips, "11.5");
    EXPECT_EQ(report.m_arrived, 12);
    EXPECT_EQ(report.m_alternatives, run.m_alternatives);
}

TEST(SolveToolTest, PrintsTheDialogsTableAndFiguresInBothModes)
{
    const CProcessResult plain = RunProcess({TORVALY_SOLVE_PATH});
    EXPECT_EQ(plain.m_exitStatus, 0);
    EXPECT_EQ(plain.m_err, "") << "no progress line when standard error is not a terminal";
    ExpectReportOf(SearchOnThisThread(false), plain.m_out);

    const CProcessResult counted = RunProcess({TORVALY_SOLVE_PATH, "--count-alternatives"});
    EXPECT_EQ(counted.m_exitStatus, 0);
    ExpectReportOf(SearchOnThisThread(true), counted.m_out);
}

TEST(SolveToolTest, RejectsUnknownOptionsInOneLine)
{
    for (const char* option : {"--bogus", "-x", "count-alternatives"}) {
        const CProcessResult run = RunProcess({TORVALY_SOLVE_PATH, option});
        EXPECT_EQ(run.m_exitStatus, 2) << option;
        EXPECT_EQ(run.m_out, "") << option;
        const std::vector<std::string> lines = SplitLines(run.m_err);
        ASSERT_EQ(lines.size(), 1u) << run.m_err;
        EXPECT_NE(lines[0].find(option), std::string::npos) << lines[0];
    }
}

TEST(SolveToolTest, HelpExplainsTheOptions)
{
    const CProcessResult run = RunProcess({TORVALY_SOLVE_PATH, "--help"});
    EXPECT_EQ(run.m_exitStatus, 0);
    EXPECT_NE(run.m_out.find("--count-alternatives"), std::string::npos);
    EXPECT_NE(run.m_out.find("--help"), std::string::npos);
    EXPECT_NE(run.m_out.find("別解個数"), std::string::npos);
}

} // namespace
