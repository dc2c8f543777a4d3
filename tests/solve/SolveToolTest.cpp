// torvaly-solve as a user runs it: the whole process, its output and status.
#include "RunProcess.h"
#include "SearchRun.h"
#include "TableReader.h"

#include <gtest/gtest.h>

namespace {

// The report must show run's best path row by row, and run's figures.
void ExpectReportOf(const SearchOutcome& run, const std::string& out)
{
    CSolveReport report;
    ASSERT_EQ(ParseSolveReport(out, report), "") << out;
    EXPECT_EQ(Rows(report.m_path), Rows(run.best));
    EXPECT_EQ(report.m_trials, run.trials);
    EXPECT_EQ(report.m_roundTrips, "11.5");
    EXPECT_EQ(report.m_arrived, 12);
    EXPECT_EQ(report.m_alternatives, run.alternatives);
}

TEST(SolveToolTest, PrintsTheDialogsTableAndFiguresInBothModes)
{
    const ProcessResult plain = RunProcess({TORVALY_SOLVE_PATH});
    EXPECT_EQ(plain.exitStatus, 0);
    EXPECT_EQ(plain.err, "") << "no progress line when standard error is not a terminal";
    ExpectReportOf(SearchOnThisThread(false), plain.out);

    const ProcessResult counted = RunProcess({TORVALY_SOLVE_PATH, "--count-alternatives"});
    EXPECT_EQ(counted.exitStatus, 0);
    ExpectReportOf(SearchOnThisThread(true), counted.out);
}

TEST(SolveToolTest, RejectsUnknownOptionsInOneLine)
{
    for (const char* option : {"--bogus", "-x", "count-alternatives"}) {
        const ProcessResult run = RunProcess({TORVALY_SOLVE_PATH, option});
        EXPECT_EQ(run.exitStatus, 2) << option;
        EXPECT_EQ(run.out, "") << option;
        const std::vector<std::string> lines = SplitLines(run.err);
        ASSERT_EQ(lines.size(), 1u) << run.err;
        EXPECT_NE(lines[0].find(option), std::string::npos) << lines[0];
    }
}

TEST(SolveToolTest, HelpExplainsTheOptions)
{
    const ProcessResult run = RunProcess({TORVALY_SOLVE_PATH, "--help"});
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.out.find("--count-alternatives"), std::string::npos);
    EXPECT_NE(run.out.find("--help"), std::string::npos);
    EXPECT_NE(run.out.find("別解個数"), std::string::npos);
}

} // namespace
