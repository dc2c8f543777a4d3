// torvaly-solve --check as a user runs it: the program's own trips read back,
// a refused trip, trips that stop short, and input that cannot be read.
#include "RecordedShortestPath.h"
#include "RunProcess.h"
#include "TableReader.h"
#include "puzzle/BuiltInPuzzle.h"
#include "solve/TripListReader.h"
#include "texts/DisplayText.h"
#include "texts/RuleText.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

// A boarding and a landing per trip, after the initial row.
constexpr int SHORTEST_TRIPS = static_cast<int>(std::size(RECORDED_SHORTEST_PATH) - 1) / 2;

// --check of input given as a file, or with --json on standard input.
CProcessResult Check(const std::string& input, bool json = false)
{
    const CTempFile file(input);
    return json ? RunProcess({TORVALY_SOLVE_PATH, "--json", "--check", "-"}, {}, EStdout::CAPTURED, file.Path())
                : RunProcess({TORVALY_SOLVE_PATH, "--check", file.Path()});
}

TEST(CheckToolTest, TheProgramsOwnTripsCheckAsAShortestSolution)
{
    const CProcessResult trips = RunProcess({TORVALY_SOLVE_PATH, "--trips"});
    ASSERT_EQ(trips.m_exitStatus, 0);
    const CProcessResult text = Check(trips.m_out);
    EXPECT_EQ(text.m_exitStatus, 0);
    EXPECT_EQ(text.m_err, "");
    EXPECT_EQ(SplitLines(text.m_out).size(), 1u) << text.m_out;
    EXPECT_NE(text.m_out.find(std::to_string(SHORTEST_TRIPS) + " 回"), std::string::npos) << text.m_out;

    const CProcessResult json = Check(trips.m_out, true);
    EXPECT_EQ(json.m_exitStatus, 0);
    CCheckJson result;
    ASSERT_EQ(ParseCheckJson(json.m_out, result), "");
    EXPECT_TRUE(result.m_across);
    EXPECT_EQ(result.m_accepted, SHORTEST_TRIPS);
    EXPECT_EQ(result.m_shortest, SHORTEST_TRIPS);
    EXPECT_EQ(result.m_remaining, 0);
    EXPECT_EQ(result.m_rule, -1);
}

// The recorded path's first two trips are Ovrin with Nolby out, Ovrin back.
TEST(CheckToolTest, SaysWhichTripIsRefusedAndWhyOrHowManyRemain)
{
    struct CCase {
        const char* m_input;
        std::vector<std::string> m_said; // in the one line on standard output
    };
    const CCase cases[] = {
        // Quen alone aboard breaks the fifth rule, "Quen stays with Pellam or
        // Tovic"; the line after it, which cannot be read, is never read.
        {"Ovrin Nolby\n# back\n\nOvrin\nQuen\nNobody here\n",
         {"3 回目", "5 行目", "規則 5", RuleSentence(BuiltInPuzzle(), 5)}},
        // Dastel is not on the far side, where the boat is.
        {"1 行き Ovrin Nolby\nDastel\n", {"2 回目", "2 行目", "Dastel"}},
        // Trips as --trips writes them, with CR LF line ends and a figure.
        {"1 行き Ovrin Nolby\r\n2 帰り Ovrin\r\n経過時間 00:00:00\r\n", {RemainingTripsSentence(SHORTEST_TRIPS - 2)}},
        {"", {RemainingTripsSentence(SHORTEST_TRIPS)}},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_input);
        const CProcessResult run = Check(c.m_input);
        EXPECT_EQ(run.m_exitStatus, 1);
        EXPECT_EQ(run.m_err, "");
        EXPECT_EQ(SplitLines(run.m_out).size(), 1u) << run.m_out;
        for (const std::string& said : c.m_said)
            EXPECT_NE(run.m_out.find(said), std::string::npos) << said << " in " << run.m_out;
    }
    // The refused trip's line counts the comment and the blank line before it.
    CCheckJson refused;
    ASSERT_EQ(ParseCheckJson(Check(cases[0].m_input, true).m_out, refused), "");
    EXPECT_EQ(refused.m_rule, 5);
    EXPECT_EQ(refused.m_refusedLine, 5);
}

// The recorded trips after a first trip there and back: two more than the
// shortest, and said so.
TEST(CheckToolTest, ALongerCrossingIsComparedWithTheShortest)
{
    std::string trips = "Ovrin Nolby\nOvrin Nolby\n";
    for (int trip = 1; trip <= SHORTEST_TRIPS; ++trip)
        trips += NamesOf(BuiltInPuzzle(), RecordedTrip(trip), " ") + "\n";
    const CProcessResult run = Check(trips);
    EXPECT_EQ(run.m_exitStatus, 0);
    EXPECT_EQ(run.m_out, "25 回で渡りきりました。最短の 23 回より 2 回多いです。\n");
}

// Lines as people type them: with a byte-order mark, ideographic spaces, CR
// LF, up to 1024 bytes without the line end; and a name typed in the wrong
// case, refused with the name meant.
TEST(CheckToolTest, ReadsLinesAsTheyAreTyped)
{
    const std::string padded = "Ovrin Nolby" + std::string(CTripListReader::LINE_LIMIT - 11, ' ');
    struct CCase {
        const char* m_what;
        std::string m_input;
        int m_status;
        const char* m_said; // on standard error, for a status of 2
    };
    const CCase cases[] = {
        {"a byte-order mark", "\xef\xbb\xbfOvrin Nolby\n", 1, ""},
        {"ideographic spaces", "1\u3000行き\u3000Ovrin\u3000\u3000Nolby\n", 1, ""},
        {"1024 bytes", padded + "\n", 1, ""},
        {"1024 bytes and CR LF", padded + "\r\n", 1, ""},
        {"1025 bytes", padded + " \n", 2, "longer than 1024 bytes"},
        {"1025 bytes and CR LF", padded + " \r\n", 2, "longer than 1024 bytes"},
        {"a name in the wrong case", "ovrin Nolby\n", 2, "unknown traveller 'ovrin'; did you mean 'Ovrin'?"},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_what);
        const CProcessResult run = Check(c.m_input);
        EXPECT_EQ(run.m_exitStatus, c.m_status) << run.m_err;
        if (c.m_status == 2) {
            EXPECT_NE(run.m_err.find(c.m_said), std::string::npos) << run.m_err;
            continue;
        }
        // One trip accepted: Ovrin and Nolby are across.
        EXPECT_NE(run.m_out.find(RemainingTripsSentence(SHORTEST_TRIPS - 1)), std::string::npos) << run.m_out;
    }
}

TEST(CheckToolTest, InputThatCannotBeReadGetsOneSafeLineNamingIt)
{
    struct CCase {
        std::string m_input;
        int m_line;
        std::string m_echo;
    };
    const CCase cases[] = {
        {"Ovrin Nolby\n\n# a note\nOvrin Bob\nQuen\n", 4, "'Bob'"},
        {"Ovrin Dastel Korrim\n", 1, "'Ovrin Dastel Korrim'"},
        {"Ovrin Nolby\nOvrin \xff\x1b[2J\n", 2, "'Ovrin \\xff\\x1b[2J'"},
        {"1 行き Ovrin Nolby\n3 帰り Ovrin\n", 2, "'3'"},
        {"1 帰り Ovrin\n", 1, "'帰り'"},
        {std::string(5000, 'a') + "\n", 1, "'" + std::string(40, 'a') + "…'"},
        // Only the first of two: nothing is read past it.
        {"Ovrin Nolby\nBob\nCarol\n", 2, "'Bob'"},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_input.substr(0, 60));
        for (const bool json : {false, true}) {
            const CProcessResult run = Check(c.m_input, json);
            EXPECT_EQ(run.m_exitStatus, 2);
            EXPECT_EQ(run.m_out, "");
            const std::vector<std::string> lines = SplitLines(run.m_err);
            ASSERT_EQ(lines.size(), 1u) << run.m_err;
            EXPECT_NE(lines[0].find("line " + std::to_string(c.m_line) + " "), std::string::npos) << lines[0];
            EXPECT_NE(lines[0].find(c.m_echo), std::string::npos) << lines[0];
            EXPECT_EQ(lines[0].find('\x1b'), std::string::npos);
        }
    }
    // A file that cannot be opened, and options that do not go with a check.
    for (const std::vector<std::string>& options :
         std::vector<std::vector<std::string>>{{"--check", "/nonexistent/trips"},
                                               {"--check"},
                                               {"--check", "-", "--trips"},
                                               {"--count-alternatives", "--check=-"}}) {
        std::vector<std::string> arguments = {TORVALY_SOLVE_PATH};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const CProcessResult run = RunProcess(arguments);
        EXPECT_EQ(run.m_exitStatus, 2) << options[0];
        EXPECT_EQ(SplitLines(run.m_err).size(), 1u) << run.m_err;
    }
}

} // namespace
