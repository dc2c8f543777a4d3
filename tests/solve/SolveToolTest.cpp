// torvaly-solve as a user runs it: the whole process, its output and status.
#include "RunProcess.h"
#include "SearchRun.h"
#include "display/DisplayText.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

const char* const kPlaceNames[] = {"日本", "行き", "米国", "帰り"};

// "HH:MM:SS", hours of two digits or more.
bool IsElapsedTime(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon < 2 || colon == std::string::npos || text.size() != colon + 6 || text[colon + 3] != ':')
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != colon && i != colon + 3 && !std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return text[colon + 1] < '6' && text[colon + 4] < '6';
}

// The report's table must show path row by row, and its figures must be the
// ones of run.
void ExpectReportOf(const SearchOutcome& run, const std::string& out)
{
    const std::vector<std::string> lines = SplitLines(out);
    const int rows = run.best.Top() + 1;
    ASSERT_EQ(static_cast<int>(lines.size()), 1 + rows + 5) << out;
    EXPECT_EQ(lines[0], "phase Ovrin Dastel Korrim Pellam Quen Murtz Sabbel Tovic Gummel Hesk Nolby Yarrit");
    for (int step = 0; step < rows; ++step) {
        std::string expected = std::to_string(step + 1);
        for (int t = 0; t < TRAVELLER_COUNT; ++t)
            expected += std::string(" ") + kPlaceNames[run.best.GetPlaceAt(step, t)];
        EXPECT_EQ(lines[1 + step], expected);
    }
    const auto field = lines.begin() + 1 + rows;
    const std::string elapsedLabel = "経過時間 ";
    EXPECT_EQ(field[0].substr(0, elapsedLabel.size()), elapsedLabel);
    EXPECT_TRUE(IsElapsedTime(field[0].substr(elapsedLabel.size()))) << field[0];
    EXPECT_EQ(field[1], "試行回数 " + std::to_string(run.trials));
    EXPECT_EQ(field[2], "往復回数 11.5");
    EXPECT_EQ(field[3], "到着人数 12");
    EXPECT_EQ(field[4], "別解個数 " + std::to_string(run.alternatives));
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
