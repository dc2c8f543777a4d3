// The session that the crossing view binds to, driven as a front end drives
// it, without a window: choosing puzzles, the answer replayed for the
// built-in puzzle with and without the dialog's path and for another
// puzzle, a whole game, and puzzle files that cannot be used.
#include "play/CrossingSession.h"

#include "RecordedShortestPath.h"
#include "SessionDriver.h"
#include "TempFolder.h"
#include "TestPuzzles.h"
#include "engine/PathTrips.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Shown = CCrossingSession::Shown;

// The front end's own title, which the session's title follows.
const std::string PREFIX = "Torvalyパズル";
const std::string BUILT_IN_TITLE = PREFIX + " - 手順";
const std::string WOLF_TITLE = PREFIX + " - オオカミとヤギとキャベツ";
const std::string WOLF_SUMMARY = "最短 7 回・最短の渡り方 2 通り";
constexpr int WOLF = 8; // the last of the shipped puzzles, by name

TEST(CrossingSessionTest, APuzzleChosenShowsItsAnswerFromTheFirstStepAndItsGameAfresh)
{
    const auto choose = [](int index) { return [index](CCrossingSession& s) { return s.ChoosePuzzle(index); }; };
    const auto tripThenAnswer = [](CCrossingSession& s) {
        s.Show(Shown::GAME);
        const bool made = CrossWith(s, {s.ShowsBuiltIn() ? "Ovrin" : "農夫", s.ShowsBuiltIn() ? "Nolby" : "ヤギ"});
        s.Show(Shown::ANSWER);
        return made;
    };
    // What an input did, and what the session shows after it.
    struct CInput {
        const char* m_what;
        std::function<bool(CCrossingSession&)> m_act;
        bool m_done;
        std::string m_title;
        std::string m_caption;
        std::string m_summary;
        int m_trips;
    };
    const CInput inputs[] = {
        {"at first", [](CCrossingSession&) { return true; }, true, BUILT_IN_TITLE, "手順 1 / 47", "", 0},
        {"a step", [](CCrossingSession& s) { return s.GoToStep(5); }, true, BUILT_IN_TITLE, "手順 6 / 47", "", 0},
        {"a trip", tripThenAnswer, true, BUILT_IN_TITLE, "手順 6 / 47", "", 1},
        {"another puzzle", choose(WOLF), true, WOLF_TITLE, "手順 1 / 15", WOLF_SUMMARY, 0},
        {"its step", [](CCrossingSession& s) { return s.GoToStep(2); }, true, WOLF_TITLE, "手順 3 / 15", WOLF_SUMMARY,
         0},
        {"its trip", tripThenAnswer, true, WOLF_TITLE, "手順 3 / 15", WOLF_SUMMARY, 1},
        {"the same again", choose(WOLF), false, WOLF_TITLE, "手順 3 / 15", WOLF_SUMMARY, 1},
        {"no puzzle's index", choose(WOLF + 1), false, WOLF_TITLE, "手順 3 / 15", WOLF_SUMMARY, 1},
        {"the game", [](CCrossingSession& s) { return (s.Show(Shown::GAME), true); }, true, WOLF_TITLE,
         "渡った回数 1　往復回数 0.5", "", 1},
        {"opened anew", [](CCrossingSession& s) { return !s.OpenPuzzle("wolf"); }, true, WOLF_TITLE,
         "渡った回数 0　往復回数 0.0", "", 0},
        {"the answer", [](CCrossingSession& s) { return (s.Show(Shown::ANSWER), true); }, true, WOLF_TITLE,
         "手順 1 / 15", WOLF_SUMMARY, 0},
        // The built-in puzzle's answer kept its step.
        {"back", choose(CCrossingSession::BUILT_IN), true, BUILT_IN_TITLE, "手順 6 / 47", "", 0},
    };
    CCrossingSession session(ShippedPuzzlesFolder());
    for (const CInput& input : inputs) {
        SCOPED_TRACE(input.m_what);
        EXPECT_EQ(input.m_act(session), input.m_done);
        EXPECT_EQ(session.Title(PREFIX), input.m_title);
        EXPECT_EQ(session.Caption(), input.m_caption);
        EXPECT_EQ(session.Summary(), input.m_summary);
        EXPECT_EQ(session.Game().Trips(), input.m_trips);
    }
}

TEST(CrossingSessionTest, TheAnswerIsTheDialogsPathWhenGivenElseTheFirstPlan)
{
    struct CAnswer {
        const char* m_what;
        int m_puzzle;
        int m_dialogTop; // -1: no dialog
        int m_steps;
        std::string m_second; // the sentence of the second step
        std::string m_last;
    };
    const CAnswer answers[] = {
        {"the built-in puzzle alone", CCrossingSession::BUILT_IN, -1, RECORDED_SHORTEST_TOP + 1,
         "Ovrin と Nolby が舟で米国へ渡ります。", "Dastel と Hesk が米国に着き、全員が渡りきりました。"},
        {"the built-in puzzle beside the dialog", CCrossingSession::BUILT_IN, 8, 9,
         "Ovrin と Nolby が舟で米国へ渡ります。", "Pellam が日本に着きました。"},
        {"another puzzle beside the dialog", WOLF, 8, 15, "農夫 と ヤギ が舟で向こう岸へ渡ります。",
         "農夫 と ヤギ が向こう岸に着き、全員が渡りきりました。"},
    };
    for (const CAnswer& answer : answers) {
        SCOPED_TRACE(answer.m_what);
        CCrossingSession session(ShippedPuzzlesFolder());
        if (answer.m_dialogTop >= 0)
            session.FollowDialog(StepsOfPath(RecordedPathUpTo(answer.m_dialogTop)));
        session.ChoosePuzzle(answer.m_puzzle);
        EXPECT_EQ(session.Answer().StepCount(), answer.m_steps);
        EXPECT_TRUE(session.GoToStep(1));
        EXPECT_EQ(session.Sentence("渡る"), answer.m_second);
        // Playing from the second step runs on from there; from the last, it
        // starts over at the first.
        EXPECT_FALSE(session.StartPlaying());
        EXPECT_EQ(session.Answer().Step(), 1);
        EXPECT_TRUE(session.GoToStep(answer.m_steps + 5));
        EXPECT_EQ(session.Sentence("渡る"), answer.m_last);
        EXPECT_TRUE(session.StartPlaying());
        EXPECT_EQ(session.Answer().Step(), 0);
    }
}

TEST(CrossingSessionTest, AWholeGameOfAShippedPuzzle)
{
    CCrossingSession session(ShippedPuzzlesFolder());
    ASSERT_TRUE(session.ChoosePuzzle(WOLF));
    session.Show(Shown::GAME);
    // The front end names the control that makes a trip.
    const std::string cross = "Go";
    struct CMove {
        std::function<bool(CCrossingSession&)> m_act;
        bool m_done;
        int m_trips;
        std::string m_sentence;
    };
    const auto with = [](std::vector<std::string> names) {
        return [names](CCrossingSession& s) { return CrossWith(s, names); };
    };
    const std::string start = "全員がこちら岸にいます。舟もこちら岸にあります。"
                              "舟に乗る人をひとりかふたり選んで、「Go」を押してください。";
    const CMove moves[] = {
        {[](CCrossingSession&) { return true; }, true, 0, start},
        {with({"農夫", "ヤギ"}), true, 1, "農夫 と ヤギ が向こう岸に着きました。"},
        {[](CCrossingSession& s) { return s.Undo(); }, true, 0, start},
        {[](CCrossingSession& s) { return s.Redo(); }, true, 1, "農夫 と ヤギ が向こう岸に着きました。"},
        {with({"農夫"}), true, 2, "農夫 がこちら岸に着きました。"},
        {[](CCrossingSession& s) { return (s.Hint(), true); }, true, 2,
         "あと 5 回で渡りきれます。次は 農夫 と オオカミ が舟に乗ります。"},
        {with({"農夫", "オオカミ"}), true, 3, "農夫 と オオカミ が向こう岸に着きました。"},
        {with({"農夫"}), false, 3, "refused"},
        {with({"農夫", "ヤギ"}), true, 4, "農夫 と ヤギ がこちら岸に着きました。"},
        {with({"農夫", "キャベツ"}), true, 5, "農夫 と キャベツ が向こう岸に着きました。"},
        {with({"農夫"}), true, 6, "農夫 がこちら岸に着きました。"},
        {with({"農夫", "ヤギ"}), true, 7, "7 回で渡りきりました。最短の 7 回と同じです。"},
    };
    EXPECT_EQ(session.Choosable(), session.Puzzle()->Everybody());
    for (const CMove& move : moves) {
        const bool done = move.m_act(session);
        SCOPED_TRACE(session.Sentence(cross));
        EXPECT_EQ(done, move.m_done);
        EXPECT_EQ(session.Game().Trips(), move.m_trips);
        // Refused: the choice stays, and is taken back.
        if (move.m_done)
            EXPECT_EQ(session.Sentence(cross), move.m_sentence);
        else
            session.Toggle(0);
    }
    EXPECT_EQ(session.Caption(), "渡った回数 7　往復回数 3.5");
    EXPECT_EQ(session.Scene().m_atFar, session.Puzzle()->Everybody());
    EXPECT_EQ(session.Choosable(), 0u);
}

TEST(CrossingSessionTest, AFileThatCannotBeUsedChangesNothingAndSaysWhy)
{
    const CTempFolder folder;
    const std::string broken = folder.Write("broken.crossing.toml", "seats = 9\n");
    struct CFile {
        std::string m_fileOrName;
        std::string m_reason;
    };
    const CFile files[] = {
        {broken, broken + " の 1 行目、9 文字目：「seats」は 1 から 4 までの整数で書いてください。"},
        {folder.PathOf("none.crossing.toml"), folder.PathOf("none.crossing.toml") + "：開けません"},
        {"wolves", "wolves：その名前のパズルはありません"},
    };
    CCrossingSession session(ShippedPuzzlesFolder());
    ASSERT_TRUE(session.ChoosePuzzle(WOLF));
    ASSERT_TRUE(session.GoToStep(2));
    const int count = session.PuzzleCount();
    for (const CFile& file : files) {
        SCOPED_TRACE(file.m_fileOrName);
        const std::optional<std::string> refusal = session.OpenPuzzle(file.m_fileOrName);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->rfind("このファイルはパズルとして使えません。\n" + file.m_reason, 0), 0u) << *refusal;
        EXPECT_EQ(session.PuzzleCount(), count);
        EXPECT_EQ(session.ChosenPuzzle(), WOLF);
        EXPECT_EQ(session.Caption(), "手順 3 / 15");
    }
    // One that can be used joins the puzzles, and shows.
    EXPECT_FALSE(session.OpenPuzzle(folder.Write("apart.crossing.toml", KeptApartPuzzleText(false))));
    EXPECT_EQ(session.PuzzleCount(), count + 1);
    EXPECT_EQ(session.Title(PREFIX), PREFIX + " - apart");
    EXPECT_EQ(session.Summary(), "最短 3 回・最短の渡り方 2 通り");
}

} // namespace
