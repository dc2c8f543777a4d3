// The scene and the sentence of every step of the recorded shortest path,
// expected from the step's place digits alone; the same steps from the
// exact solver's first plan; and the step a replay keeps on a new crossing.
#include "engine/PathTrips.h"
#include "play/ReplayTrack.h"

#include "puzzle/BuiltInPuzzle.h"
#include "texts/DisplayText.h"
#include "texts/StepText.h"

#include "RecordedShortestPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The travellers whose digit in a row of place digits is one of digits.
TravellerSet WithDigit(const std::string& row, const std::string& digits)
{
    TravellerSet set = 0;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (digits.find(row[t]) != std::string::npos)
            set |= TravellerBit(t);
    }
    return set;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(StepSceneTest, EveryStepOfTheRecordedPathFromItsPlaceDigits)
{
    const CCrossingPath path = RecordedPathUpTo();
    ASSERT_EQ(path.Top(), RECORDED_SHORTEST_TOP);
    const std::vector<CStepScene> scenes = ScenesOf(StepsOfPath(path));
    ASSERT_EQ(static_cast<int>(scenes.size()), path.Top() + 1);
    // Where the boat lies between trips: at 日本 until a trip lands.
    int bank = PLACE_START;
    for (int step = 0; step <= path.Top(); ++step) {
        const std::string row = RECORDED_SHORTEST_PATH[step];
        const std::string before = step > 0 ? RECORDED_SHORTEST_PATH[step - 1] : row;
        const CStepScene& scene = scenes[static_cast<std::size_t>(step)];
        SCOPED_TRACE("step " + std::to_string(step) + ": " + row);

        EXPECT_EQ(scene.m_atStart, WithDigit(row, "0"));
        EXPECT_EQ(scene.m_atFar, WithDigit(row, "2"));
        EXPECT_EQ(scene.m_aboard, WithDigit(row, "13"));
        const TravellerSet landed = scene.m_aboard == 0 ? WithDigit(before, "13") : 0;
        EXPECT_EQ(scene.m_landed, landed);
        if (landed != 0)
            bank = WithDigit(before, "1") != 0 ? PLACE_ARRIVED : PLACE_START;
        const int boat = WithDigit(row, "1") != 0 ? PLACE_GOING : WithDigit(row, "3") != 0 ? PLACE_RETURNING : bank;
        EXPECT_EQ(scene.m_boat, boat);

        // The sentence names who crosses or landed, and where to.
        const std::string sentence = StepSentence(BuiltInPuzzle(), scene);
        const TravellerSet named = scene.m_aboard | landed;
        for (int t = 0; t < TRAVELLER_COUNT; ++t)
            EXPECT_EQ(Contains(sentence, TravellerName(t)), (named & TravellerBit(t)) != 0) << sentence << " " << t;
        const std::string where = scene.m_boat == PLACE_GOING       ? "米国へ"
                                  : scene.m_boat == PLACE_RETURNING ? "日本へ"
                                                                    : PlaceText(scene.m_boat) + std::string("に");
        EXPECT_TRUE(Contains(sentence, where)) << sentence;
        EXPECT_EQ(Contains(sentence, "全員"), step == 0 || step == path.Top()) << sentence;
        EXPECT_EQ(StepCaption(step, path.Top() + 1), "手順 " + std::to_string(step + 1) + " / 47");
    }
    EXPECT_EQ(StepSentence(BuiltInPuzzle(), scenes[0]), "全員が日本にいます。舟も日本にあります。");
    EXPECT_EQ(StepSentence(BuiltInPuzzle(), scenes[1]), "Ovrin と Nolby が舟で米国へ渡ります。");
    EXPECT_EQ(StepSentence(BuiltInPuzzle(), scenes[3]), "Ovrin が舟で日本へ戻ります。");
    EXPECT_EQ(StepSentence(BuiltInPuzzle(), scenes[46]), "Dastel と Hesk が米国に着き、全員が渡りきりました。");

    // The exact solver's first plan is the same crossing.
    EXPECT_EQ(StepsOfPlan(BuiltInPuzzle(), BuiltInSolution().FirstPlan()), StepsOfPath(path));
}

TEST(StepSceneTest, AReplayKeepsItsStepWhereTheNewCrossingHasItElseGoesToTheLast)
{
    CReplayTrack track(std::make_shared<CPuzzle>(BuiltInPuzzle()));
    EXPECT_EQ(track.StepCount(), 1);
    EXPECT_EQ(track.Caption(), "手順 1 / 1");
    struct CRefill {
        int m_top;
        int m_at;
        int m_expected;
    };
    const CRefill refills[] = {{8, 0, 0}, {RECORDED_SHORTEST_TOP, 7, 7}, {2, 7, 2}, {RECORDED_SHORTEST_TOP, 99, 2}};
    for (const CRefill& refill : refills) {
        track.SetStep(refill.m_at);
        track.SetSteps(StepsOfPath(RecordedPathUpTo(refill.m_top)));
        EXPECT_EQ(track.Step(), refill.m_expected) << refill.m_top;
        EXPECT_EQ(track.StepCount(), refill.m_top + 1);
    }
}

} // namespace
