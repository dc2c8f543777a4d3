// torvaly-solve with puzzles as a user runs it: shipped and built-in puzzles
// solved, their trips checked back, a puzzle with no way across, puzzle files
// that cannot be used, the built-in puzzle written out and solved from its
// file, and the list of puzzles.
#include "RunProcess.h"
#include "TableReader.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

CProcessResult Solve(std::vector<std::string> options, const std::string& stdinFrom = "/dev/null")
{
    options.insert(options.begin(), TORVALY_SOLVE_PATH);
    return RunProcess(options, {}, EStdout::CAPTURED, stdinFrom);
}

TEST(PuzzleToolTest, SolvesPuzzlesAndReadsTheirTripsBack)
{
    struct CCase {
        const char* m_puzzle;
        int m_trips;
        const char* m_plans; // the last line
    };
    const CCase cases[] = {
        {"wolf", 7, "最短の渡り方 2 通り"},
        {"torvaly", 23, "最短の渡り方 16032 通り"},
        {"missionaries", 11, nullptr},
        {"couples", 11, nullptr},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_puzzle);
        const CProcessResult text = Solve({"--puzzle", c.m_puzzle});
        EXPECT_EQ(text.m_exitStatus, 0);
        EXPECT_EQ(text.m_err, "");
        const std::vector<std::string> lines = SplitLines(text.m_out);
        ASSERT_EQ(static_cast<int>(lines.size()), c.m_trips + 2) << text.m_out;
        EXPECT_EQ(lines.front().rfind("1 行き ", 0), 0u) << lines.front();
        EXPECT_EQ(lines[lines.size() - 2], "最短 " + std::to_string(c.m_trips) + " 回");
        if (c.m_plans) {
            EXPECT_EQ(lines.back(), c.m_plans);
        }

        // The output reads back as trips of the same puzzle.
        const CTempFile trips(text.m_out);
        const CProcessResult check = Solve({"--puzzle", c.m_puzzle, "--check", trips.Path()});
        EXPECT_EQ(check.m_exitStatus, 0) << check.m_err;
        const std::string times = std::to_string(c.m_trips) + " 回";
        EXPECT_EQ(check.m_out, times + "で渡りきりました。最短の " + times + "と同じです。\n");

        const Json json = Json::parse(Solve({"--puzzle", c.m_puzzle, "--json"}).m_out);
        EXPECT_TRUE(json.at("solvable").get<bool>());
        EXPECT_EQ(json.at("shortest").get<int>(), c.m_trips);
        EXPECT_EQ(static_cast<int>(json.at("trips").size()), c.m_trips);
        EXPECT_FALSE(json.at("shortest_plans_overflow").get<bool>());
        EXPECT_EQ(json.at("puzzle").at("seats").get<int>(), 2);
    }
}

TEST(PuzzleToolTest, APuzzleWithNoWayAcrossSaysSoAndLeavesNothingRemaining)
{
    const CTempFile puzzle(KeptApartPuzzleText(true));
    const CProcessResult text = Solve({"--puzzle", puzzle.Path()});
    EXPECT_EQ(text.m_exitStatus, 1);
    // R1 and X, or R1 and R2, can stand across, never all three.
    EXPECT_EQ(text.m_out, "この問題は渡りきれません。米国に渡れるのは最も多くて 2 人です。\n");
    const Json json = Json::parse(Solve({"--json", "--puzzle", puzzle.Path()}).m_out);
    EXPECT_FALSE(json.at("solvable").get<bool>());
    EXPECT_TRUE(json.at("shortest").is_null());
    EXPECT_TRUE(json.at("shortest_plans").is_null());

    // R1 and R2 can cross, but from nowhere does a way go on.
    const CTempFile trips("R1 R2\n");
    const CProcessResult check = Solve({"--puzzle", puzzle.Path(), "--json", "--check", "-"}, trips.Path());
    EXPECT_EQ(check.m_exitStatus, 1);
    CCheckJson result;
    ASSERT_EQ(ParseCheckJson(check.m_out, result), "") << check.m_out;
    EXPECT_EQ(result.m_accepted, 1);
    EXPECT_EQ(result.m_shortest, -1);
    EXPECT_EQ(result.m_remaining, -1);
}

// Sixteen who all row and two rules that force the last trip: the count
// overflows in the earlier trips, and the flag must be carried forward.
TEST(PuzzleToolTest, ACountTooLargeForSixtyFourBitsIsNullAndFlagged)
{
    const CTempFile puzzle("landings = false\n" + FreePuzzleText(16, 2) +
                           "[[rule]]\nkind = \"apart\"\nwho = \"T0\"\nfrom = [\"T1\", \"T2\"]\n"
                           "[[rule]]\nkind = \"apart\"\nwho = \"T3\"\nfrom = [\"T4\", \"T5\"]\n");
    const Json json = Json::parse(Solve({"--puzzle", puzzle.Path(), "--json"}).m_out);
    EXPECT_TRUE(json.at("solvable").get<bool>());
    EXPECT_TRUE(json.at("shortest_plans").is_null());
    EXPECT_TRUE(json.at("shortest_plans_overflow").get<bool>());
}

// The lines under the plan and the JSON of the whole family: the fastest
// with times, the count by type, and how many can stand across at most.
TEST(PuzzleToolTest, TimesTypesAndNoWayAcrossAreReported)
{
    const CTempFile family99(FamilyPuzzleText(99));
    struct CCase {
        std::string m_puzzle;
        int m_status;
        std::string m_tail; // the last lines of the text output
        const char* m_field;
        int m_value;
    };
    const CCase cases[] = {
        {"night", 0, "最速 17 分（5 回）\n最速の渡り方 2 通り\n", "fastest", 17},
        {"missionaries", 0, "最短 11 回\n最短の渡り方 8100 通り（種類で数えると 4 通り）\n", "shortest_plans_by_type",
         4},
        {family99.Path(), 1, "この問題は渡りきれません。米国に渡れるのは最も多くて 2 人です。\n", "most_across", 2},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_puzzle);
        const CProcessResult text = Solve({"--puzzle", c.m_puzzle});
        EXPECT_EQ(text.m_exitStatus, c.m_status);
        ASSERT_GE(text.m_out.size(), c.m_tail.size());
        EXPECT_EQ(text.m_out.substr(text.m_out.size() - c.m_tail.size()), c.m_tail);
        const Json json = Json::parse(Solve({"--puzzle", c.m_puzzle, "--json"}).m_out);
        EXPECT_EQ(json.at(c.m_field).get<int>(), c.m_value);
        if (c.m_status == 0) {
            // The plan reads back through --check.
            const CTempFile trips(text.m_out);
            EXPECT_EQ(Solve({"--puzzle", c.m_puzzle, "--check", trips.Path()}).m_exitStatus, 0);
        }
    }
    const Json night = Json::parse(Solve({"--puzzle", "night", "--json"}).m_out);
    EXPECT_TRUE(night.at("shortest").is_null());
    EXPECT_EQ(night.at("puzzle").at("times").at("祖母").get<int>(), 10);
}

// A refusal by the load and by the time limit, with what it weighs or the
// time it would reach.
TEST(PuzzleToolTest, ACheckRefusesByTheLoadAndByTheTimeLimit)
{
    const CTempFile slow(NightPuzzleText(8, 14));
    struct CCase {
        std::string m_puzzle;
        std::string m_trips;
        const char* m_reason;
        const char* m_field;
        int m_value;
        const char* m_sentence;
    };
    const CCase cases[] = {
        {"family", "父 母\n", "too_heavy", "weight", 170,
         "舟に乗れるのは重さ 100 までです。選んだ人の重さは 170 です。"},
        {slow.Path(), "A B\nA\nC D\nB\nA B\n", "over_time", "time", 15,
         "この渡りで 15 分になり、制限の 14 分を超えます。"},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_reason);
        const CTempFile trips(c.m_trips);
        const CProcessResult check = Solve({"--puzzle", c.m_puzzle, "--json", "--check", trips.Path()});
        EXPECT_EQ(check.m_exitStatus, 1);
        const Json refused = Json::parse(check.m_out).at("refused");
        EXPECT_EQ(refused.at("reason").get<std::string>(), c.m_reason);
        EXPECT_EQ(refused.at(c.m_field).get<int>(), c.m_value);
        EXPECT_EQ(refused.at("sentence").get<std::string>(), c.m_sentence);
    }
    const CTempFile night(NightPuzzleText(10, 0));
    const CTempFile slower("A C\nA\nA D\nA\nA B\n");
    EXPECT_EQ(Solve({"--puzzle", night.Path(), "--check", slower.Path()}).m_out,
              "5 回・19 分で渡りきりました。最速の 17 分より 2 分多いです。\n");
}

TEST(PuzzleToolTest, APuzzleThatCannotBeUsedGetsOneLineWithItsPlace)
{
    const CTempFile misspelt("titel = \"x\"\n");
    const CTempFile stranger(
        "[[traveller]]\nname = \"A\"\nrows = true\n[[rule]]\nkind = \"with\"\nwho = \"A\"\nof = [\"B\"]\n");
    struct CCase {
        std::vector<std::string> m_options;
        std::string m_line; // on standard error
    };
    const CCase cases[] = {
        {{"--puzzle", misspelt.Path()}, misspelt.Path() + ":1:1: unknown key 'titel'"},
        {{"--puzzle", stranger.Path(), "--check", "-"}, stranger.Path() + ":7:7: 'B' is not a traveller"},
        {{"--puzzle", "wolves"}, "wolves: no puzzle of that name"},
        {{"--puzzle", "./none.crossing.toml", "--print-puzzle"}, "./none.crossing.toml: cannot open"},
        {{"--puzzle", "wolf", "--count-alternatives"}, "cannot be combined with '--count-alternatives'"},
        {{"--list-puzzles", "--puzzle", "wolf"}, "cannot be combined with '--puzzle'"},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_line);
        const CProcessResult run = Solve(c.m_options);
        EXPECT_EQ(run.m_exitStatus, 2);
        EXPECT_EQ(run.m_out, "");
        const std::vector<std::string> lines = SplitLines(run.m_err);
        ASSERT_EQ(lines.size(), 1u) << run.m_err;
        EXPECT_EQ(lines[0].rfind("torvaly-solve: ", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find(c.m_line), std::string::npos) << lines[0];
    }
}

TEST(PuzzleToolTest, TheBuiltInPuzzleWrittenOutSolvesTheSameAndTheListNamesEveryPuzzle)
{
    const CProcessResult printed = Solve({"--print-puzzle"});
    EXPECT_EQ(printed.m_exitStatus, 0);
    const CTempFile file(printed.m_out);
    EXPECT_EQ(Solve({"--puzzle", file.Path()}).m_out, Solve({"--puzzle", "torvaly"}).m_out);

    const CProcessResult list = Solve({"--list-puzzles"});
    EXPECT_EQ(list.m_exitStatus, 0);
    const std::vector<std::string> expected = {
        "torvaly\tTorvalyパズル\t12 人\t最短 23 回",
        "alcuin\t大人と子ども\t4 人\t最短 9 回",
        "chain\t農夫と食物連鎖\t6 人\t最短 7 回",
        "couples\t三組の夫婦\t6 人\t最短 11 回",
        "family\t家族と荷物\t5 人\t最短 9 回",
        "five-couples\t五組の夫婦\t10 人\t最短 11 回",
        "missionaries\t宣教師と人食い人種\t6 人\t最短 11 回",
        "night\t夜の四人\t4 人\t最速 17 分（5 回）",
        "wolf\tオオカミとヤギとキャベツ\t4 人\t最短 7 回",
    };
    EXPECT_EQ(SplitLines(list.m_out), expected);
    const Json json = Json::parse(Solve({"--list-puzzles", "--json"}).m_out);
    ASSERT_EQ(json.size(), expected.size());
    EXPECT_EQ(json.at(8).at("name").get<std::string>(), "wolf");
    EXPECT_EQ(json.at(8).at("shortest").get<int>(), 7);
    EXPECT_EQ(json.at(7).at("fastest").get<int>(), 17);
}

} // namespace
