// The puzzle posed and the whole family played through the session, as a
// front end shows them: the statement line by line in the judge's order, a
// refusal pointing at the line that refused it, the four at night played to
// the end against a time limit, and what is copied as a list of trips.
#include "play/CrossingSession.h"

#include "SessionDriver.h"
#include "TempFolder.h"
#include "TestPuzzles.h"
#include "solve/TripCheck.h"
#include "texts/RuleText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using Shown = CCrossingSession::Shown;
using Kind = CPanelLine::Kind;

// Every puzzle the chooser lists, its rules numbered as the judge numbers
// them, after the boat's limits and before the types.
TEST(PosingTest, ThePanelStatesEveryPuzzleInTheJudgesOrder)
{
    CCrossingSession session(ShippedPuzzlesFolder());
    for (int index = 0; index < session.PuzzleCount(); ++index) {
        ASSERT_TRUE(index == 0 || session.ChoosePuzzle(index));
        const CPuzzle& puzzle = *session.Puzzle();
        SCOPED_TRACE(puzzle.m_title);
        const std::vector<CPanelLine>& lines = session.Rules();
        const int limits = 1 + (puzzle.HasLoad() ? 1 : 0) + (puzzle.m_timeLimit > 0 ? 1 : 0);
        ASSERT_GE(static_cast<int>(lines.size()), limits + puzzle.RuleCount());
        EXPECT_EQ(lines[0].m_kind, Kind::SEATS);
        for (int rule = 1; rule <= puzzle.RuleCount(); ++rule) {
            const CPanelLine& line = lines[static_cast<std::size_t>(limits + rule - 1)];
            EXPECT_EQ(line.m_rule, rule);
            EXPECT_EQ(line.m_text, RuleSentence(puzzle, rule));
        }
        for (std::size_t line = limits + puzzle.RuleCount(); line < lines.size(); ++line)
            EXPECT_EQ(lines[line].m_kind, Kind::TYPE);
    }
    ASSERT_TRUE(session.ChoosePuzzle(0));
    EXPECT_EQ(session.Rules().size(), 10u);
    EXPECT_EQ(session.Rules()[5].m_text, "Quen は Pellam か Tovic と一緒でなければなりません。");
    EXPECT_EQ(session.PuzzleLabel(0), "Torvalyパズル — 最短 23 回");
}

// The four at night with 1, 2, 5 and 8 minutes and 15 at most: a trip past
// the limit is refused and points at it, and the fastest way ends at 15.
TEST(PosingTest, TheFourAtNightPlayedToTheEndAgainstTheTimeLimit)
{
    const CTempFolder folder;
    CCrossingSession session(ShippedPuzzlesFolder());
    ASSERT_FALSE(session.OpenPuzzle(folder.Write("night.crossing.toml", NightPuzzleText(8, 15))));
    EXPECT_EQ(session.PuzzleLabel(session.ChosenPuzzle()), "night — 最速 15 分");
    session.Show(Shown::GAME);
    const int limitLine = 1;
    ASSERT_EQ(session.Rules()[limitLine].m_kind, Kind::TIME_LIMIT);
    struct CMove {
        std::vector<std::string> m_names; // empty: the hint
        bool m_done;
        std::string m_counter;
        int m_highlighted;
        std::string m_sentence;
    };
    const CMove moves[] = {
        {{"A", "B"}, true, "経過 2 分（制限 15 分）", -1, ""},
        {{"A"}, true, "経過 3 分（制限 15 分）", -1, ""},
        {{}, true, "経過 3 分（制限 15 分）", -1, "あと最速 12 分で渡りきれます。次は C と D が舟に乗ります。"},
        {{"C", "D"}, true, "経過 11 分（制限 15 分）", -1, ""},
        {{"C"}, false, "経過 11 分（制限 15 分）", limitLine, "この渡りで 16 分になり、制限の 15 分を超えます。"},
        {{"B"}, true, "経過 13 分（制限 15 分）", -1, ""},
        {{"A", "B"}, true, "経過 15 分（制限 15 分）", -1, "5 回・15 分で渡りきりました。最速の 15 分と同じです。"},
    };
    for (const CMove& move : moves) {
        SCOPED_TRACE(session.Sentence("渡る"));
        const bool done = move.m_names.empty() ? (session.Hint(), true) : CrossWith(session, move.m_names);
        EXPECT_EQ(done, move.m_done);
        EXPECT_EQ(session.TimeCounter(), move.m_counter);
        EXPECT_EQ(session.HighlightedRule(), move.m_highlighted);
        if (!move.m_sentence.empty()) {
            EXPECT_EQ(session.Sentence("渡る"), move.m_sentence);
        }
        if (!done)
            session.Toggle(2); // C, taken back
    }
    session.Show(Shown::ANSWER);
    EXPECT_EQ(session.HighlightedRule(), -1);
}

// What is copied reads back as the same trips: the whole answer, or the
// game's trips so far.
TEST(PosingTest, WhatIsCopiedReadsBackAsAListOfTrips)
{
    CCrossingSession session(ShippedPuzzlesFolder());
    ASSERT_FALSE(session.OpenPuzzle("wolf"));
    struct CCopy {
        Shown m_shown;
        int m_accepted;
        CheckOutcome m_outcome;
    };
    ASSERT_TRUE(CrossWith((session.Show(Shown::GAME), session), {"農夫", "ヤギ"}));
    ASSERT_TRUE(CrossWith(session, {"農夫"}));
    for (const CCopy copy :
         {CCopy{Shown::ANSWER, 7, CheckOutcome::ACROSS}, CCopy{Shown::GAME, 2, CheckOutcome::NOT_ACROSS}}) {
        session.Show(copy.m_shown);
        std::string text = session.TripListText();
        std::FILE* in = fmemopen(text.data(), text.size(), "r");
        CTripListReader reader(in, *session.Puzzle());
        const CTripCheck check = CheckTrips(reader, CPuzzleSolution(*session.Puzzle()));
        std::fclose(in);
        EXPECT_EQ(check.m_outcome, copy.m_outcome) << text;
        EXPECT_EQ(check.m_trips, copy.m_accepted) << text;
    }
}

} // namespace
