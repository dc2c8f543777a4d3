// The game through its model: whole games of the built-in puzzle played to
// the end with the recorded shortest path's trips, one with a detour that
// meets an arrangement again, each with a refusal, an undo and a redo on the
// way; a trip made after an undo; a game played by the hints alone, which
// is the recorded path; and a shipped puzzle played to the end, refused on
// the way by the new kind of rule and on landing.
#include "play/CrossingGame.h"

#include "RecordedShortestPath.h"
#include "TestPuzzles.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"
#include "texts/RuleText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Two steps a trip, boarding and landing.
constexpr int SHORTEST_TRIPS = RECORDED_SHORTEST_TOP / 2;
// What the front end calls the control that makes a trip.
const std::string CROSS = "渡る";

std::shared_ptr<const CPuzzleSolution> SolutionOf(const CPuzzle& puzzle)
{
    return std::make_shared<CPuzzleSolution>(puzzle);
}

// Those on 米国 at a landed step of the recorded path.
TravellerSet RecordedAcross(int step)
{
    return AcrossIn(CodeOf(MakeArrangement(RECORDED_SHORTEST_PATH[step])));
}

void Toggle(CCrossingGame& game, TravellerSet travellers)
{
    for (int t = 0; t < game.Puzzle().TravellerCount(); ++t) {
        if (travellers & TravellerBit(t))
            game.Toggle(t);
    }
}

bool CrossWith(CCrossingGame& game, TravellerSet travellers)
{
    Toggle(game, travellers);
    return game.Cross().IsAccepted();
}

TEST(CrossingGameTest, GamesPlayedToTheEndWithARefusalAnUndoAndARedo)
{
    struct CGame {
        const char* m_name;
        bool m_detour; // the first trip there and back again first
        const char* m_counter;
        const char* m_ending;
    };
    const CGame games[] = {
        {"the shortest", false, "渡った回数 23　往復回数 11.5", "23 回で渡りきりました。最短の 23 回と同じです。"},
        {"with a detour", true, "渡った回数 25　往復回数 12.5",
         "25 回で渡りきりました。最短の 23 回より 2 回多いです。"},
    };
    ASSERT_EQ(SHORTEST_TRIPS, 23);
    const std::shared_ptr<const CPuzzleSolution> solution = SolutionOf(BuiltInPuzzle());
    for (const CGame& g : games) {
        SCOPED_TRACE(g.m_name);
        CCrossingGame game(solution);
        EXPECT_EQ(game.Caption(), "渡った回数 0　往復回数 0.0");
        EXPECT_EQ(
            game.Sentence(CROSS),
            "全員が日本にいます。舟も日本にあります。舟に乗る人をひとりかふたり選んで、「渡る」を押してください。");
        EXPECT_EQ(game.BoatSide(), PLACE_START);
        EXPECT_EQ(game.OnBoatSide(), ALL_TRAVELLERS);

        // Nobody who can row the boat: the first rule refuses it, and
        // concerns the five who can; nothing moves, the choice stays.
        const TravellerSet rower = TravellerBit(OPERATOR_COUNT);
        EXPECT_FALSE(CrossWith(game, rower));
        EXPECT_EQ(game.Trips(), 0);
        EXPECT_EQ(game.Chosen(), rower);
        EXPECT_EQ(game.Concerned(), OPERATORS);
        EXPECT_EQ(game.Sentence(CROSS),
                  "舟には Ovrin、Dastel、Korrim、Pellam、Quen のだれかが乗っていなければなりません。");
        game.Toggle(OPERATOR_COUNT);

        int extra = 0;
        if (g.m_detour) {
            // There and back: the start's arrangement again, which is allowed
            // and said.
            ASSERT_TRUE(CrossWith(game, RecordedTrip(1)));
            EXPECT_FALSE(game.MetBefore());
            ASSERT_TRUE(CrossWith(game, RecordedTrip(1)));
            EXPECT_EQ(game.Across(), 0u);
            EXPECT_TRUE(game.MetBefore());
            EXPECT_NE(game.Sentence(CROSS).find("この並びは前にもありました。"), std::string::npos);
            extra = 2;
        }
        for (int trip = 1; trip <= SHORTEST_TRIPS; ++trip) {
            ASSERT_TRUE(CrossWith(game, RecordedTrip(trip))) << trip << " " << game.Sentence(CROSS);
            ASSERT_EQ(game.Trips(), trip + extra);
            ASSERT_EQ(game.Across(), RecordedAcross(2 * trip)) << trip;
            ASSERT_EQ(game.Chosen(), 0u);
            if (trip == 5) {
                // Undone and redone: the arrangement of the trip before, and
                // back.
                ASSERT_TRUE(game.Undo());
                EXPECT_EQ(game.Across(), RecordedAcross(2 * trip - 2));
                EXPECT_TRUE(game.CanRedo());
                ASSERT_TRUE(game.Redo());
                EXPECT_FALSE(game.CanRedo());
                EXPECT_EQ(game.Across(), RecordedAcross(2 * trip));
            }
        }
        EXPECT_TRUE(game.IsFinished());
        EXPECT_EQ(game.Caption(), g.m_counter);
        EXPECT_EQ(game.Sentence(CROSS), g.m_ending);
        // A finished game takes no more trips.
        game.Toggle(0);
        EXPECT_EQ(game.Chosen(), 0u);
        game.Restart();
        EXPECT_EQ(game.Trips(), 0);
        EXPECT_FALSE(game.CanRedo());
    }
}

// Two trips, both undone, then another first trip: the two can no longer be
// redone, and the arrangement is the new trip's.
TEST(CrossingGameTest, ATripAfterAnUndoEndsWhatCouldBeRedone)
{
    CCrossingGame game(SolutionOf(BuiltInPuzzle()));
    ASSERT_TRUE(CrossWith(game, RecordedTrip(1)));
    ASSERT_TRUE(CrossWith(game, RecordedTrip(2)));
    ASSERT_TRUE(game.Undo());
    ASSERT_TRUE(game.Undo());
    // Pellam alone goes first: one of the seven safe first trips.
    const TravellerSet other = TravellerBit(3);
    ASSERT_NE(other, RecordedTrip(1));
    ASSERT_TRUE(CrossWith(game, other));
    EXPECT_EQ(game.Across(), other);
    EXPECT_EQ(game.Trips(), 1);
    EXPECT_FALSE(game.CanRedo());
    EXPECT_FALSE(game.Redo());
    EXPECT_EQ(game.Across(), other);
    ASSERT_TRUE(game.Undo());
    EXPECT_EQ(game.Across(), 0u);
    ASSERT_TRUE(game.Redo());
    EXPECT_EQ(game.Across(), other);
}

// The hint comes from the arrangement shown, not from the last one made.
TEST(CrossingGameTest, TheHintAfterAnUndoIsFromTheArrangementShown)
{
    CCrossingGame game(SolutionOf(BuiltInPuzzle()));
    ASSERT_TRUE(CrossWith(game, RecordedTrip(1)));
    ASSERT_TRUE(CrossWith(game, RecordedTrip(2)));
    ASSERT_TRUE(game.Undo());
    const CContinuation& hint = game.Hint();
    EXPECT_EQ(hint.m_trips, SHORTEST_TRIPS - 1);
    EXPECT_EQ(hint.m_trip, RecordedTrip(2));
}

// Each hint names the next trip of the recorded shortest path.
TEST(CrossingGameTest, TheHintsAloneFollowTheRecordedShortestPath)
{
    CCrossingGame game(SolutionOf(BuiltInPuzzle()));
    for (int trip = 1; trip <= SHORTEST_TRIPS; ++trip) {
        const int left = SHORTEST_TRIPS - trip + 1;
        const CContinuation& hint = game.Hint();
        ASSERT_EQ(hint.m_trips, left);
        ASSERT_EQ(hint.m_trip, RecordedTrip(trip)) << "trip " << trip;
        ASSERT_EQ(game.Hinted(), hint.m_trip);
        ASSERT_EQ(game.Sentence(CROSS).rfind("あと " + std::to_string(left) + " 回で渡りきれます。次は ", 0), 0u)
            << game.Sentence(CROSS);
        ASSERT_TRUE(CrossWith(game, game.Hinted())) << game.Sentence(CROSS);
    }
    EXPECT_TRUE(game.IsFinished());
    game.Hint();
    EXPECT_EQ(game.Sentence(CROSS), "全員が渡りきりました。");
}

// Missionaries A to C are travellers 0 to 2, cannibals A to C 3 to 5. The
// trips, worked out by hand: cannibals over two by two and one back, two
// missionaries over, one of each back, two missionaries over, a cannibal
// back, then cannibals over.
TEST(CrossingGameTest, AShippedPuzzlePlayedToTheEndWithRefusalsOfItsOwn)
{
    const CPuzzleReading missionaries = OpenPuzzle("missionaries", ShippedPuzzlesFolder());
    ASSERT_TRUE(missionaries.IsRead()) << missionaries.Reason();
    CCrossingGame game(SolutionOf(missionaries.Puzzle()));
    const std::string outnumbered = "宣教師A、宣教師B、宣教師C がいるところでは 人食い人種A、人食い人種B、人食い人種C "
                                    "のほうが多くてはいけません。";
    struct CTrip {
        TravellerSet m_travellers;
        std::string m_refusal; // empty: accepted
    };
    const CTrip trips[] = {
        {0b000001, outnumbered}, // missionary A alone leaves two among three
        {0b011000, ""},
        {0b001000, ""},
        {0b101000, ""},
        {0b001000, ""},
        {0b000001, "向こう岸に着くと、" + outnumbered}, // A would land among two cannibals
        {0b111000, "舟に乗れるのはふたりまでです。"},
        {0b000011, ""},
        {0b010001, ""},
        {0b000101, ""},
        {0b100000, ""},
        {0b101000, ""},
        {0b001000, ""},
        {0b011000, ""},
    };
    for (const CTrip& trip : trips) {
        const int trips = game.Trips();
        const bool accepted = CrossWith(game, trip.m_travellers);
        SCOPED_TRACE(std::to_string(trips) + " trips, then " + std::to_string(trip.m_travellers));
        ASSERT_EQ(accepted, trip.m_refusal.empty()) << game.Sentence(CROSS);
        if (!accepted) {
            EXPECT_EQ(game.Sentence(CROSS), trip.m_refusal);
            EXPECT_EQ(game.Trips(), trips);
            EXPECT_EQ(game.Chosen(), trip.m_travellers);
            Toggle(game, trip.m_travellers);
        }
    }
    EXPECT_TRUE(game.IsFinished());
    EXPECT_EQ(game.Sentence(CROSS), "11 回で渡りきりました。最短の 11 回と同じです。");
}

} // namespace
