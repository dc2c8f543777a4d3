// torvaly-solve as a user runs it: the whole process, its output and status.
#include "CommaLocale.h"
#include "RunProcess.h"
#include "SearchRun.h"
#include "TableReader.h"

#include <gtest/gtest.h>

namespace {

// The report must show run's best path row by row, and run's figures.
void ExpectSameResult(const CSearchOutcome& run, const CSolveReport& report)
{
    EXPECT_EQ(Rows(report.m_path), Rows(run.m_best));
    EXPECT_EQ(report.m_trials, run.m_trials);
    EXPECT_EQ(report.m_roundTrips, "11.5");
    EXPECT_EQ(report.m_arrived, 12);
    EXPECT_EQ(report.m_alternatives, run.m_alternatives);
}

void ExpectReportOf(const CSearchOutcome& run, const std::string& out)
{
    CSolveReport report;
    ASSERT_EQ(ParseSolveReport(out, report), "") << out;
    ExpectSameResult(run, report);
}

TEST(SolveToolTest, PrintsTheDialogsTableOrTripsAndFiguresInBothModesAsTextAndJson)
{
    for (const bool count : {false, true}) {
        SCOPED_TRACE(count ? "--count-alternatives" : "plain");
        const CSearchOutcome expected = SearchOnThisThread(count);
        std::vector<std::string> arguments = {TORVALY_SOLVE_PATH};
        if (count)
            arguments.push_back("--count-alternatives");

        const CProcessResult text = RunProcess(arguments);
        EXPECT_EQ(text.m_exitStatus, 0);
        EXPECT_EQ(text.m_err, "") << "no progress line when standard error is not a terminal";
        ExpectReportOf(expected, text.m_out);

        std::vector<std::string> tripsArguments = arguments;
        tripsArguments.push_back("--trips");
        const CProcessResult trips = RunProcess(tripsArguments);
        EXPECT_EQ(trips.m_exitStatus, 0);
        ExpectReportOf(expected, trips.m_out);

        arguments.push_back("--json");
        const CProcessResult json = RunProcess(arguments);
        EXPECT_EQ(json.m_exitStatus, 0);
        EXPECT_EQ(json.m_err, "");
        CSolveJson result;
        ASSERT_EQ(ParseSolveJson(json.m_out, result), "") << json.m_out;
        ExpectSameResult(expected, result.m_report);
        EXPECT_TRUE(result.m_completed);
        EXPECT_EQ(result.m_signal, "");
        EXPECT_EQ(result.m_countAlternatives, count);
    }
}

// The texts are the program's own: UTF-8 and a decimal point in an ASCII
// locale and in one that writes decimals with a comma.
TEST(SolveToolTest, PrintsTheSameTextsInEveryLocale)
{
    ASSERT_EQ(CommaLocale().m_error, "");
    const CSearchOutcome expected = SearchOnThisThread(false);
    for (const std::vector<std::string>& locale : {std::vector<std::string>{"LC_ALL=C"}, CommaLocale().Environment()}) {
        SCOPED_TRACE(locale.front());
        const CProcessResult run = RunProcess({TORVALY_SOLVE_PATH}, locale);
        EXPECT_EQ(run.m_exitStatus, 0);
        ExpectReportOf(expected, run.m_out);
    }
}

TEST(SolveToolTest, RejectsBadArgumentsInOneSafeLine)
{
    const std::string longOption = "--" + std::string(60, 'x');
    struct CCase {
        std::string m_argument;
        std::string m_echo; // as the message must quote it
        const char* m_kind;
    };
    const CCase cases[] = {
        {"--bogus", "'--bogus'", "option"},
        {"-x", "'-x'", "option"},
        {"--json=1", "'--json=1'", "option"},
        {"count-alternatives", "'count-alternatives'", "argument"},
        {"-", "'-'", "argument"},
        // Forty characters, then an ellipsis.
        {longOption, std::string("'").append(longOption, 0, 40).append("…'"), "option"},
        {"日本" + std::string(50, 'y'), "'日本" + std::string(38, 'y') + "…'", "argument"},
        // Control characters and bytes that are not UTF-8 are escaped.
        {"--a\x1b[2J\tb\xc2\x9b\xff", "'--a\\x1b[2J\\x09b\\xc2\\x9b\\xff'", "option"},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_echo);
        // Even with --help, which would otherwise end the program at once.
        const CProcessResult run = RunProcess({TORVALY_SOLVE_PATH, c.m_argument, "--help"});
        EXPECT_EQ(run.m_exitStatus, 2);
        EXPECT_EQ(run.m_out, "");
        const std::vector<std::string> lines = SplitLines(run.m_err);
        ASSERT_EQ(lines.size(), 1u) << run.m_err;
        EXPECT_NE(lines[0].find(std::string(c.m_kind) + " " + c.m_echo), std::string::npos) << lines[0];
    }
    // "--" ends the options: every word after it is an argument.
    EXPECT_EQ(RunProcess({TORVALY_SOLVE_PATH, "--", "--help"}).m_exitStatus, 2);
    const CProcessResult afterEnd = RunProcess({TORVALY_SOLVE_PATH, "--help", "--", "--json"});
    EXPECT_EQ(afterEnd.m_exitStatus, 2);
    EXPECT_NE(afterEnd.m_err.find("argument '--json'"), std::string::npos) << afterEnd.m_err;
}

TEST(SolveToolTest, HelpDocumentsEveryOptionJsonFieldAndStatus)
{
    const CProcessResult run = RunProcess({TORVALY_SOLVE_PATH, "--help"});
    EXPECT_EQ(run.m_exitStatus, 0);
    EXPECT_EQ(run.m_err, "");
    EXPECT_EQ(run.m_out.rfind("Usage: torvaly-solve [OPTION]...\n", 0), 0u) << run.m_out;
    for (const char* text : {"--count-alternatives", "--json", "--trips", "--check", "--help", "--version", "別解個数",
                             "経過時間", "試行回数", "往復回数", "到着人数", "Exit status:", "129", "130", "143"})
        EXPECT_NE(run.m_out.find(text), std::string::npos) << text;

    CSolveJson json;
    ASSERT_EQ(ParseSolveJson(RunProcess({TORVALY_SOLVE_PATH, "--json"}).m_out, json), "");
    CCheckJson check;
    ASSERT_EQ(ParseCheckJson(RunProcess({TORVALY_SOLVE_PATH, "--json", "--check", "-"}).m_out, check), "");
    std::vector<std::string> fields = json.m_fields;
    fields.insert(fields.end(), check.m_fields.begin(), check.m_fields.end());
    for (const std::string& field : fields)
        EXPECT_NE(run.m_out.find("\n  " + field + " "), std::string::npos) << "undocumented JSON field " << field;

    const CProcessResult version = RunProcess({TORVALY_SOLVE_PATH, "--version"});
    EXPECT_EQ(version.m_exitStatus, 0);
    EXPECT_EQ(version.m_out, "torvaly-solve (TorvalyPuzzle) " TORVALY_PROJECT_VERSION "\n");
}

TEST(SolveToolTest, AFailedWriteIsReportedAndExitsOne)
{
    for (const EStdout to : {EStdout::DEV_FULL, EStdout::CLOSED}) {
        for (const char* option : {"--count-alternatives", "--json", "--help", "--version"}) {
            SCOPED_TRACE(std::string(option) + (to == EStdout::CLOSED ? " to a closed descriptor" : " to /dev/full"));
            const CProcessResult run = RunProcess({TORVALY_SOLVE_PATH, option}, {}, to);
            EXPECT_EQ(run.m_exitStatus, 1);
            const std::vector<std::string> lines = SplitLines(run.m_err);
            ASSERT_EQ(lines.size(), 1u) << run.m_err;
            EXPECT_NE(lines[0].find("standard output"), std::string::npos) << lines[0];
        }
    }
}

} // namespace
