// torvaly-solve --check as a user runs it: the program's own trips read back,
// a refused trip, trips that stop short, and input that cannot be read.
#include "RecordedShortestPath.h"
#include "RunProcess.h"
#include "TableReader.h"
#include "display/RuleText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

// A boarding and a landing per trip, after the initial row.
constexpr int SHORTEST_TRIPS = static_cast<int>(std::size(RECORDED_SHORTEST_PATH) - 1) / 2;

// A file holding text for the length of a test.
class CInputFile {
public:
    explicit CInputFile(const std::string& text)
    {
        char name[] = "/tmp/torvaly-trips-XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0)
            close(fd);
        m_path = name;
        std::ofstream(m_path, std::ios::binary) << text;
    }
    ~CInputFile() { unlink(m_path.c_str()); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// The check of text, given as a file, and as standard input with --json.
struct CChecked {
    CProcessResult m_text;
    CProcessResult m_json;
    CCheckJson m_result;
    std::string m_fault; // of the JSON
};

CChecked Check(const std::string& text)
{
    const CInputFile input(text);
    CChecked checked;
    checked.m_text = RunProcess({TORVALY_SOLVE_PATH, "--check", input.Path()});
    checked.m_json = RunProcess({TORVALY_SOLVE_PATH, "--json", "--check", "-"}, {}, EStdout::CAPTURED, input.Path());
    checked.m_fault = ParseCheckJson(checked.m_json.m_out, checked.m_result);
    return checked;
}

TEST(CheckToolTest, TheProgramsOwnTripsCheckAsAShortestSolution)
{
    const CProcessResult trips = RunProcess({TORVALY_SOLVE_PATH, "--trips"});
    ASSERT_EQ(trips.m_exitStatus, 0);
    const CChecked checked = Check(trips.m_out);

    EXPECT_EQ(checked.m_text.m_exitStatus, 0);
    EXPECT_EQ(checked.m_text.m_err, "");
    ASSERT_EQ(SplitLines(checked.m_text.m_out).size(), 1u) << checked.m_text.m_out;
    EXPECT_NE(checked.m_text.m_out.find(std::to_string(SHORTEST_TRIPS) + " 回"), std::string::npos);

    EXPECT_EQ(checked.m_json.m_exitStatus, 0);
    ASSERT_EQ(checked.m_fault, "") << checked.m_json.m_out;
    EXPECT_TRUE(checked.m_result.m_across);
    EXPECT_EQ(checked.m_result.m_accepted, SHORTEST_TRIPS);
    EXPECT_EQ(checked.m_result.m_shortest, SHORTEST_TRIPS);
    EXPECT_EQ(checked.m_result.m_remaining, 0);
    EXPECT_EQ(checked.m_result.m_refusedTrip, 0);
    EXPECT_EQ(checked.m_result.m_message + "\n", checked.m_text.m_out);
}

// The first two trips of the recorded path are Ovrin with Nolby out, and
// Ovrin back.
TEST(CheckToolTest, SaysWhichTripIsRefusedAndWhyOrHowManyRemain)
{
    struct CCase {
        const char* m_input;
        int m_accepted;
        int m_refusedTrip; // 0: none refused
        int m_refusedLine;
        int m_rule;          // 0: none broken
        const char* m_named; // in the refusal's sentence
    };
    const CCase cases[] = {
        // Quen alone in the boat breaks "Quen stays with Pellam or Tovic", the
        // fifth rule; the line after it, which cannot be read, is never read.
        {"Ovrin Nolby\n# back\n\nOvrin\nQuen\nNobody here\n", 2, 3, 5, 5, "Quen"},
        // Dastel is not on the far side, where the boat is.
        {"1 行き Ovrin Nolby\nDastel\n", 1, 2, 2, 0, "Dastel"},
        // Trips as --trips writes them, CR LF line ends, and a figure line.
        {"1 行き Ovrin Nolby\r\n2 帰り Ovrin\r\n経過時間 00:00:00\r\n", 2, 0, 0, 0, ""},
        {"", 0, 0, 0, 0, ""},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_input);
        const CChecked checked = Check(c.m_input);
        EXPECT_EQ(checked.m_text.m_exitStatus, 1);
        EXPECT_EQ(checked.m_text.m_err, "");
        ASSERT_EQ(SplitLines(checked.m_text.m_out).size(), 1u) << checked.m_text.m_out;
        EXPECT_EQ(checked.m_json.m_exitStatus, 1);
        ASSERT_EQ(checked.m_fault, "") << checked.m_json.m_out;
        const CCheckJson& result = checked.m_result;
        EXPECT_FALSE(result.m_across);
        EXPECT_EQ(result.m_accepted, c.m_accepted);
        EXPECT_EQ(result.m_refusedTrip, c.m_refusedTrip);
        EXPECT_EQ(result.m_refusedLine, c.m_refusedLine);
        EXPECT_EQ(result.m_rule, c.m_rule);
        EXPECT_EQ(result.m_message + "\n", checked.m_text.m_out);
        if (c.m_refusedTrip != 0) {
            EXPECT_NE(result.m_sentence.find(c.m_named), std::string::npos) << result.m_sentence;
            EXPECT_NE(result.m_message.find(result.m_sentence), std::string::npos) << result.m_message;
        } else {
            EXPECT_EQ(result.m_remaining, SHORTEST_TRIPS - c.m_accepted);
        }
        if (c.m_rule != 0) {
            EXPECT_EQ(result.m_sentence, RuleSentence(c.m_rule));
            EXPECT_NE(result.m_message.find("規則 " + std::to_string(c.m_rule)), std::string::npos);
        }
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
        const CChecked checked = Check(c.m_input);
        for (const CProcessResult* run : {&checked.m_text, &checked.m_json}) {
            EXPECT_EQ(run->m_exitStatus, 2);
            EXPECT_EQ(run->m_out, "");
            const std::vector<std::string> lines = SplitLines(run->m_err);
            ASSERT_EQ(lines.size(), 1u) << run->m_err;
            EXPECT_NE(lines[0].find("line " + std::to_string(c.m_line) + " "), std::string::npos) << lines[0];
            EXPECT_NE(lines[0].find(c.m_echo), std::string::npos) << lines[0];
            EXPECT_EQ(lines[0].find('\x1b'), std::string::npos);
        }
    }

    // A file that cannot be opened, and options that do not go with a check.
    const std::vector<std::vector<std::string>> refused = {
        {"--check", "/nonexistent/trips"},
        {"--check"},
        {"--check", "-", "--trips"},
        {"--count-alternatives", "--check=-"},
    };
    for (std::vector<std::string> arguments : refused) {
        arguments.insert(arguments.begin(), TORVALY_SOLVE_PATH);
        const CProcessResult run = RunProcess(arguments);
        EXPECT_EQ(run.m_exitStatus, 2) << arguments[1];
        EXPECT_EQ(run.m_out, "");
        EXPECT_EQ(SplitLines(run.m_err).size(), 1u) << run.m_err;
    }
}

} // namespace
