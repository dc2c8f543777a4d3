// The crossing view's game through its model: whole games played to the end
// with the recorded shortest path's trips, one with a detour that meets an
// arrangement again, each with a refusal, an undo and a redo on the way; and
// a game played by the hints alone.
#include "view/CrossingGame.h"

#include "RecordedShortestPath.h"
#include "display/GameText.h"
#include "display/RuleText.h"
#include "puzzle/BuiltInPuzzle.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Two steps a trip, boarding and landing.
constexpr int SHORTEST_TRIPS = RECORDED_SHORTEST_TOP / 2;

// Those on 米国 at a landed step of the recorded path.
TravellerSet RecordedAcross(int step)
{
    return AcrossIn(CodeOf(MakeArrangement(RECORDED_SHORTEST_PATH[step])));
}

void Choose(CCrossingGame& game, TravellerSet travellers)
{
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (travellers & TravellerBit(t))
            game.Toggle(t);
    }
}

bool CrossWith(CCrossingGame& game, TravellerSet travellers)
{
    Choose(game, travellers);
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
    for (const CGame& g : games) {
        SCOPED_TRACE(g.m_name);
        CCrossingGame game;
        EXPECT_EQ(game.Caption(), "渡った回数 0　往復回数 0.0");
        EXPECT_EQ(game.BoatSide(), PLACE_START);
        EXPECT_EQ(game.OnBoatSide(), ALL_TRAVELLERS);

        // Nobody who can row the boat: the first rule refuses it, and
        // concerns the five who can; nothing moves, the choice stays.
        const TravellerSet rower = TravellerBit(OPERATOR_COUNT);
        EXPECT_FALSE(CrossWith(game, rower));
        EXPECT_EQ(game.Trips(), 0);
        EXPECT_EQ(game.Chosen(), rower);
        EXPECT_EQ(game.Concerned(), OPERATORS);
        EXPECT_EQ(game.Sentence(), RuleSentence(BuiltInPuzzle(), 1));
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
            EXPECT_NE(game.Sentence().find(MetBeforeSentence()), std::string::npos) << game.Sentence();
            extra = 2;
        }
        for (int trip = 1; trip <= SHORTEST_TRIPS; ++trip) {
            ASSERT_TRUE(CrossWith(game, RecordedTrip(trip))) << trip << " " << game.Sentence();
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
        EXPECT_EQ(game.Sentence(), g.m_ending);
        // A finished game takes no more trips.
        game.Toggle(0);
        EXPECT_EQ(game.Chosen(), 0u);
        game.Restart();
        EXPECT_EQ(game.Trips(), 0);
        EXPECT_FALSE(game.CanRedo());
    }
}

TEST(CrossingGameTest, TheHintsAloneLeadAcrossInTheFewestTrips)
{
    CCrossingGame game;
    for (int left = SHORTEST_TRIPS; left > 0; --left) {
        const CContinuation& hint = game.Hint();
        ASSERT_EQ(hint.m_trips, left);
        ASSERT_EQ(game.Hinted(), hint.m_trip);
        ASSERT_EQ(game.Sentence().rfind("あと " + std::to_string(left) + " 回で渡りきれます。次は ", 0), 0u)
            << game.Sentence();
        ASSERT_TRUE(CrossWith(game, game.Hinted())) << game.Sentence();
    }
    EXPECT_EQ(game.Trips(), SHORTEST_TRIPS);
    EXPECT_TRUE(game.IsFinished());
    game.Hint();
    EXPECT_EQ(game.Sentence(), "全員が渡りきりました。");
}

} // namespace
