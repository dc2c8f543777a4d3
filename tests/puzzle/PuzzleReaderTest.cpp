// Puzzle files: every kind of file that cannot be used is refused with its
// place and reason; the built-in puzzle and the shipped ones, written out
// and read back, are the same puzzles; what a file leaves out has its
// default.
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"
#include "puzzle/PuzzleWriter.h"

#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// A traveller who rows, and then text.
std::string WithRower(const std::string& text)
{
    return "[[traveller]]\nname = \"A\"\nrows = true\n" + text;
}

TEST(PuzzleReaderTest, EveryProblemIsNamedWithItsPlace)
{
    struct CCase {
        const char* m_what;
        std::string m_text;
        int m_line;
        int m_column;
        const char* m_said; // a part of the reason
    };
    std::string seventeen;
    for (int t = 0; t < 17; ++t)
        seventeen += "[[traveller]]\nname = \"T" + std::to_string(t) + "\"\nrows = true\n";
    const CCase cases[] = {
        {"not TOML", "title = \"x\n", 1, 11, "control characters"},
        {"not UTF-8", "# \xff\n" + WithRower(""), 1, 3, "not UTF-8"},
        // Letters where the parser looks for white space once were undefined
        // behaviour in the parser.
        {"a name without its quotes", WithRower("[[traveller]]\nname = しか\n"), 5, 8,
         "could not determine value type"},
        {"an unknown key", "titel = \"x\"\n" + WithRower(""), 1, 1, "unknown key 'titel'"},
        {"an unknown key of a traveller", WithRower("[[traveller]]\nname = \"B\"\nrow = true\n"), 6, 1,
         "unknown key 'row'"},
        {"an unknown key of a kind", WithRower("[[rule]]\nkind = \"with\"\nwho = \"A\"\nfrom = [\"A\"]\n"), 7, 1,
         "unknown key 'from'"},
        {"an unknown kind", WithRower("[[rule]]\nkind = \"near\"\n"), 5, 8, "unknown kind of rule 'near'"},
        {"a wrong type", "seats = \"2\"\n" + WithRower(""), 1, 9, "'seats' must be a whole number from 1 to 4"},
        {"a name of the wrong type", "[[traveller]]\nname = 7\nrows = true\n", 2, 8, "must be a string"},
        {"a missing name", WithRower("[[traveller]]\nrows = true\n"), 4, 1, "needs a 'name'"},
        {"a duplicate name", WithRower("[[traveller]]\nname = \"A\"\n"), 5, 8, "'A' is used twice"},
        {"a name with white space", WithRower("[[traveller]]\nname = \"B C\"\n"), 5, 8, "white space"},
        {"a name with an ideographic space", WithRower("[[traveller]]\nname = \"B\u3000C\"\n"), 5, 8, "white space"},
        {"a name over 32 bytes", WithRower("[[traveller]]\nname = \"" + std::string(33, 'b') + "\"\n"), 5, 8,
         "longer than 32 bytes"},
        {"a name read as a trip's number", WithRower("[[traveller]]\nname = \"12\"\n"), 5, 8, "trip's number"},
        {"a rule naming a stranger", WithRower("[[rule]]\nkind = \"alone\"\nwho = \"Z\"\n"), 6, 7,
         "'Z' is not a traveller"},
        {"a rule naming its subject",
         WithRower("[[traveller]]\nname = \"B\"\n[[rule]]\nkind = \"apart\"\n"
                   "who = \"A\"\nfrom = [\"B\", \"A\"]\n"),
         9, 14, "'A' is the rule's 'who'"},
        {"a rule without its keys", WithRower("[[rule]]\nkind = \"outnumbered\"\ngroup = [\"A\"]\n"), 4, 1,
         "needs 'by'"},
        {"nobody who rows", "[[traveller]]\nname = \"A\"\n", 0, 0, "nobody rows"},
        {"no travellers", "title = \"x\"\n", 0, 0, "no travellers"},
        {"seats below 1", "seats = 0\n" + WithRower(""), 1, 9, "from 1 to 4"},
        {"seats above 4", "seats = 5\n" + WithRower(""), 1, 9, "from 1 to 4"},
        {"more than 16 travellers", seventeen, 49, 1, "more than 16 travellers"},
        {"one bank", "banks = [\"x\"]\n" + WithRower(""), 1, 9, "two strings"},
        {"two banks of one name", "banks = [\"x\", \"x\"]\n" + WithRower(""), 1, 15, "the same name"},
        {"a stray key of a kind",
         WithRower("[[rule]]\nkind = \"outnumbered\"\ngroup = [\"A\"]\nby = [\"A\"]\nwho = \"A\"\n"), 8, 1,
         "unknown key 'who'"},
        {"a weight without a load", WithRower("weight = 3\n"), 4, 10, "'weight' needs a 'load'"},
        {"a load without weights", "load = 5\n" + WithRower(""), 2, 1, "needs a 'weight'"},
        {"a weight missing", "load = 5\n" + WithRower("weight = 2\n[[traveller]]\nname = \"B\"\n"), 6, 1,
         "needs a 'weight'"},
        {"a time for some only", WithRower("time = 2\n[[traveller]]\nname = \"B\"\n"), 5, 1, "needs a 'time'"},
        {"a time for the last only", WithRower("[[traveller]]\nname = \"B\"\ntime = 2\n"), 6, 8, "for all or none"},
        {"a time limit without times", "time_limit = 9\n" + WithRower(""), 1, 14, "needs a 'time'"},
        {"a weight of 0", "load = 5\n" + WithRower("weight = 0\n"), 5, 10, "from 1 to 1000000"},
        {"a time too long", WithRower("time = 1000001\n"), 4, 8, "from 1 to 1000000"},
        {"a load that is not whole", "load = 1.5\n" + WithRower(""), 1, 8, "whole number"},
        {"an unknown where", WithRower("[[rule]]\nkind = \"alone\"\nwho = \"A\"\nwhere = \"river\"\n"), 7, 9,
         "'where' must be"},
        {"a type of a rower and another", WithRower("type = \"T\"\n[[traveller]]\nname = \"B\"\ntype = \"T\"\n"), 7, 8,
         "'A' and 'B' are of type 'T' but only one of them rows"},
        {"a type told apart by a rule",
         WithRower("type = \"T\"\n[[traveller]]\nname = \"B\"\nrows = true\ntype = \"T\"\n"
                   "[[traveller]]\nname = \"C\"\n[[rule]]\nkind = \"with\"\nwho = \"C\"\nof = [\"A\"]\n"),
         8, 8, "rule 2 tells them apart"},
        {"a look too long", WithRower("look = \"" + std::string(17, 'x') + "\"\n"), 4, 8, "1 to 16 bytes"},
        {"a look with white space", WithRower("look = \"a b\"\n"), 4, 8, "without white space"},
        {"a name with a zero-width space", WithRower("[[traveller]]\nname = \"A\u200b\"\n"), 5, 8, "shows nothing"},
        {"a name turned round, echoed as it is not shown", WithRower("[[traveller]]\nname = \"B\u202e\"\n"), 5, 8,
         "'B\\u202e'"},
        {"a look turned round", WithRower("look = \"\u202e\"\n"), 4, 8, "turn the text round"},
        {"a title turned round", "title = \"\u202eabc\"\n" + WithRower(""), 1, 9, "turns the text round"},
        {"a name with a byte-order mark", WithRower("[[traveller]]\nname = \"\ufeffB\"\n"), 5, 8, "shows nothing"},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_what);
        const CPuzzleReading reading = ReadPuzzleText(c.m_text, "p.crossing.toml", "p");
        ASSERT_FALSE(reading.IsRead());
        EXPECT_EQ(reading.Line(), c.m_line);
        EXPECT_EQ(reading.Column(), c.m_column);
        const std::string reason = reading.Reason();
        std::string start = "p.crossing.toml";
        if (c.m_line > 0)
            start.append(":").append(std::to_string(c.m_line)).append(":").append(std::to_string(c.m_column));
        EXPECT_EQ(reason.rfind(start.append(": "), 0), 0u) << reason;
        EXPECT_NE(reason.find(c.m_said), std::string::npos) << reason;
        EXPECT_EQ(reason.find('\n'), std::string::npos) << reason;
        // The window's wording of the same reason, with the same place.
        const std::string japanese = reading.Reason(Wording::JAPANESE);
        std::string place = "p.crossing.toml";
        if (c.m_line > 0)
            place.append(" の ")
                .append(std::to_string(c.m_line))
                .append(" 行目、")
                .append(std::to_string(c.m_column))
                .append(" 文字目");
        EXPECT_EQ(japanese.rfind(place.append("："), 0), 0u) << japanese;
        EXPECT_TRUE(japanese.ends_with("。")) << japanese;
    }
    EXPECT_EQ(
        ReadPuzzleText(WithRower("[[rule]]\nkind = \"alone\"\nwho = \"Z\"\n"), "p", "p").Reason(Wording::JAPANESE),
        "p の 6 行目、7 文字目：「Z」という旅人はいません。");
}

// One table words every fault for the terminal and for the window, with the
// same arguments in both.
TEST(PuzzleReaderTest, EveryFaultIsWordedForTheTerminalAndTheWindow)
{
    const auto arguments = [](const std::string& words) {
        std::string found;
        for (char number = '0'; number <= '9'; ++number)
            found += words.find(std::string("{") + number + "}") != std::string::npos ? number : '-';
        return found;
    };
    for (const CReasonWording& words : ReasonTable()) {
        SCOPED_TRACE(words.m_english);
        const std::string japanese = words.m_japanese;
        EXPECT_EQ(arguments(words.m_english), arguments(japanese));
        EXPECT_TRUE(japanese.ends_with("。"));
        EXPECT_NE(japanese, words.m_english);
    }
}

TEST(PuzzleReaderTest, FilesThatCannotBeReadAndTooLargeOnesAreRefused)
{
    char path[] = "/tmp/torvaly-puzzle-XXXXXX";
    close(mkstemp(path));
    std::ofstream(path, std::ios::binary) << std::string(MAX_PUZZLE_FILE_BYTES + 1, '#');
    const CPuzzleReading large = ReadPuzzleFile(path);
    std::remove(path);
    EXPECT_EQ(large.Reason(), std::string(path) + ": larger than 1 MiB, the most a puzzle file may hold");
    const CPuzzleReading missing = ReadPuzzleFile("/nonexistent/x.crossing.toml");
    EXPECT_EQ(missing.Reason(), "/nonexistent/x.crossing.toml: cannot open: No such file or directory");
    const CPuzzleReading folder = ReadPuzzleFile("/tmp");
    EXPECT_EQ(folder.Reason(), "/tmp: cannot read: Is a directory");
    // A name that is no puzzle's lists those there are.
    const CPuzzleReading unknown = OpenPuzzle("wolves", ShippedPuzzlesFolder());
    EXPECT_NE(
        unknown.Reason().find("torvaly, alcuin, chain, couples, family, five-couples, missionaries, night and wolf"),
        std::string::npos)
        << unknown.Reason();
}

TEST(PuzzleReaderTest, PuzzlesWrittenOutReadBackTheSame)
{
    std::vector<CPuzzle> puzzles = {BuiltInPuzzle()};
    for (const CPuzzleEntry& entry : PuzzleEntries(ShippedPuzzlesFolder())) {
        const CPuzzleReading reading = OpenPuzzle(entry.m_name, ShippedPuzzlesFolder());
        ASSERT_TRUE(reading.IsRead()) << reading.Reason();
        puzzles.push_back(reading.Puzzle());
    }
    ASSERT_EQ(puzzles.size(), 10u);
    // Every key of the family.
    puzzles.push_back(TestPuzzle(WholeFamilyPuzzleText(12, 3)));
    // Rules of every kind, names that need quoting, three seats.
    puzzles.push_back(TestPuzzle(R"(title = "It's \"all\" here"
seats = 3
landings = false
[[traveller]]
name = "O'Hara"
rows = true
[[traveller]]
name = "B\\C"
[[traveller]]
name = "C"
[[rule]]
kind = "outnumbered"
group = ["O'Hara"]
by = ["B\\C", "C"]
[[rule]]
kind = "alone"
who = "C"
[[rule]]
kind = "with"
who = "B\\C"
of = ["C", "O'Hara"]
)"));
    for (const CPuzzle& puzzle : puzzles) {
        SCOPED_TRACE(puzzle.m_title);
        EXPECT_TRUE(TestPuzzle(PuzzleFileText(puzzle)) == puzzle) << PuzzleFileText(puzzle);
    }
    // The built-in puzzle's rules are the search's own, in their order.
    ASSERT_EQ(BuiltInPuzzle().RuleCount(), SAFETY_RULE_COUNT);
    for (int rule = 1; rule <= SAFETY_RULE_COUNT; ++rule)
        EXPECT_TRUE(BuiltInPuzzle().Rule(rule) == SafetyRule(rule)) << rule;
}

// A title made from a file's name keeps a title's rules, so that the
// puzzle written out reads back.
TEST(PuzzleReaderTest, ATitleFromAFilesNameIsOneThatReadsBack)
{
    struct CCase {
        std::string m_stem;
        std::string m_title;
    };
    const CCase cases[] = {
        {std::string(110, 'a'), std::string(97, 'a') + "…"},
        {"two\nlines", "twolines"},
        {"bad\xff", "bad\ufffd"},
        {"\t", "無題"},
        // Cut before a character that would not fit whole.
        {std::string(96, 'a') + "あい", std::string(96, 'a') + "…"},
    };
    for (const CCase& c : cases) {
        const CPuzzleReading reading = ReadPuzzleText(WithRower(""), "t.crossing.toml", c.m_stem);
        ASSERT_TRUE(reading.IsRead()) << reading.Reason();
        EXPECT_EQ(reading.Puzzle().m_title, c.m_title);
        EXPECT_TRUE(TestPuzzle(PuzzleFileText(reading.Puzzle())) == reading.Puzzle());
    }
}

TEST(PuzzleReaderTest, WhatAFileLeavesOutHasItsDefault)
{
    const CPuzzleReading reading = ReadPuzzleText(WithRower(""), "folder/boat.crossing.toml", "boat");
    ASSERT_TRUE(reading.IsRead()) << reading.Reason();
    const CPuzzle& puzzle = reading.Puzzle();
    EXPECT_EQ(puzzle.m_title, "boat");
    EXPECT_EQ(puzzle.m_banks[0], "日本");
    EXPECT_EQ(puzzle.m_banks[1], "米国");
    EXPECT_EQ(puzzle.m_seats, 2);
    EXPECT_TRUE(puzzle.m_landings);
    EXPECT_EQ(puzzle.RuleCount(), 1);
    EXPECT_EQ(PuzzleFileStem("folder/boat.crossing.toml"), "boat");
    EXPECT_EQ(PuzzleFileStem("boat.toml"), "boat");
}

} // namespace
