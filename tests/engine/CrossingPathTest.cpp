#include "engine/CrossingPath.h"
#include "Arrangement.h"
#include "RecordedShortestPath.h"

#include <gtest/gtest.h>

#include <bit>
#include <vector>

namespace {

// A different arrangement for every n from 1 to 255 (n written in base 4 over
// the first four travellers), never the initial one. Push does not judge moves,
// so these serve to fill a path.
CCrossingState Numbered(int n)
{
    std::string places = "000000000000";
    for (int t = 0; t < 4; ++t, n /= 4)
        places[t] = static_cast<char>('0' + n % 4);
    return MakeArrangement(places);
}

CCrossingPath PathOf(int top)
{
    CCrossingPath path;
    for (int step = 1; step <= top; ++step)
        EXPECT_TRUE(path.Push(Numbered(step))) << "step " << step;
    return path;
}

TEST(CrossingPathTest, FreshPathHoldsTheInitialArrangementOnly)
{
    CCrossingPath path;
    EXPECT_EQ(path.Top(), 0);
    EXPECT_EQ(path.ArrivedCount(), 0);
    EXPECT_FALSE(path.Pop());
    EXPECT_EQ(path.Top(), 0);
    EXPECT_EQ(path.GetPlaceAt(0, 0), PLACE_START);
    EXPECT_EQ(path.GetPlaceAt(1, 0), PLACE_UNKNOWN);
    EXPECT_EQ(path.GetPlaceAt(-1, 0), PLACE_UNKNOWN);
    EXPECT_EQ(path.GetPlaceAt(0, 12), PLACE_UNKNOWN);
}

TEST(CrossingPathTest, HoldsAtMostOneHundredArrangements)
{
    CCrossingPath path = PathOf(98);
    ASSERT_EQ(path.Top(), 98);
    // Index 99 has phase 3: index 3 holds Numbered(3) and must not repeat.
    EXPECT_FALSE(path.Push(Numbered(3)));
    EXPECT_TRUE(path.Push(Numbered(200)));
    EXPECT_EQ(path.Top(), 99);
    EXPECT_FALSE(path.Push(Numbered(201)));
    EXPECT_FALSE(path.Push(CCrossingState()));
    EXPECT_EQ(path.Top(), 99);
    EXPECT_EQ(path.GetPlaceAt(99, 0), Numbered(200).GetPlace(0));
    for (int n = 99; n > 0; --n)
        EXPECT_TRUE(path.Pop());
    EXPECT_FALSE(path.Pop());
}

TEST(CrossingPathTest, RepetitionIsCheckedWithinThePhaseOnly)
{
    CCrossingPath path = PathOf(3);
    EXPECT_FALSE(path.Push(CCrossingState())) << "index 4 repeats index 0";
    EXPECT_EQ(path.Top(), 3);

    CCrossingPath shortPath = PathOf(1);
    EXPECT_TRUE(shortPath.Push(Numbered(1))) << "index 2 may equal index 1";

    CCrossingPath atFive = PathOf(5);
    EXPECT_FALSE(atFive.Push(Numbered(2))) << "index 6 repeats index 2";
    for (int other : {1, 3, 4, 5}) {
        CCrossingPath copy = atFive;
        EXPECT_TRUE(copy.Push(Numbered(other))) << "index 6 compared with index " << other;
        EXPECT_EQ(copy.Top(), 6);
    }

    CCrossingPath atZero;
    EXPECT_TRUE(atZero.Push(CCrossingState())) << "index 1 is compared with nothing";
}

TEST(CrossingPathTest, PopKeepsTheVacatedArrangementForWholePathCopiesOnly)
{
    CCrossingPath path = PathOf(2);
    ASSERT_TRUE(path.Pop());
    EXPECT_EQ(path.Top(), 1);
    EXPECT_EQ(path.GetPlaceAt(2, 0), PLACE_UNKNOWN);
    const CCrossingPath copy = path;
    EXPECT_EQ(copy.Top(), 1);
    EXPECT_EQ(copy.GetPlaceAt(1, 1), Numbered(1).GetPlace(1));
}

// An arrangement with the first `arrived` travellers (at most 8) on the far
// side and step written in binary over travellers 8 to 11, so that no two
// steps repeat each other.
CCrossingState StepWithArrivals(int step, int arrived)
{
    std::string places(12, '0');
    for (int t = 0; t < arrived; ++t)
        places[t] = '2';
    for (int bit = 0; bit < 4; ++bit)
        places[8 + bit] = (step >> bit) & 1 ? '1' : '0';
    return MakeArrangement(places);
}

TEST(CrossingPathTest, ProgressRuleLooksTwoRoundTripsBack)
{
    // Top 7: too short to judge, unless everybody arrived.
    CCrossingPath young;
    for (int step = 1; step <= 7; ++step)
        ASSERT_TRUE(young.Push(Numbered(step)));
    EXPECT_TRUE(young.IsProgressing());

    CCrossingPath complete;
    ASSERT_TRUE(complete.Push(MakeArrangement("222222222222")));
    EXPECT_FALSE(complete.IsProgressing());

    // Top 10 compares with index 2, whatever the steps between hold.
    auto pathWith = [](int arrivedAtTwo, int arrivedAtTen) {
        CCrossingPath path;
        for (int step = 1; step <= 10; ++step) {
            const int arrived = step == 2 ? arrivedAtTwo : step == 10 ? arrivedAtTen : 8 - step % 3;
            EXPECT_TRUE(path.Push(StepWithArrivals(step, arrived))) << "step " << step;
        }
        return path;
    };
    // Top 8, the first top judged, compares with the initial arrangement.
    CCrossingPath stalled;
    for (int step = 1; step <= 8; ++step)
        ASSERT_TRUE(stalled.Push(StepWithArrivals(step, 0)));
    EXPECT_FALSE(stalled.IsProgressing());
    ASSERT_TRUE(stalled.Pop());
    ASSERT_TRUE(stalled.Push(StepWithArrivals(8, 1)));
    EXPECT_TRUE(stalled.IsProgressing());

    EXPECT_TRUE(pathWith(3, 4).IsProgressing());
    EXPECT_FALSE(pathWith(4, 4).IsProgressing());
    EXPECT_FALSE(pathWith(5, 4).IsProgressing());
    EXPECT_TRUE(pathWith(0, 1).IsProgressing());
}

// The search moves with PushBoarded and PushLanded: each must do exactly what
// Push of the moved copy does, refusals included, at every step of a real
// path and on a full one.
TEST(CrossingPathTest, SearchMovesActAsPushOfTheMovedArrangement)
{
    auto expectAsPush = [](const CCrossingPath& path, const char* move, auto moveOnPath, auto moveCopy) {
        CCrossingPath moved = path;
        CCrossingPath pushed = path;
        CCrossingState copy = path.Current();
        const BOOL expected = moveCopy(copy) ? pushed.Push(copy) : FALSE;
        EXPECT_EQ(moveOnPath(moved), expected) << move << " at top " << path.Top();
        EXPECT_EQ(moved.Top(), pushed.Top()) << move;
        EXPECT_EQ(PlacesOf(moved.Current()), PlacesOf(pushed.Current())) << move;
        // The move is counted for later repetition checks as Push counts it.
        EXPECT_EQ(moved.PushLanded(), pushed.PushLanded()) << move;
    };
    auto checkEveryMove = [&](const CCrossingPath& path) {
        expectAsPush(
            path, "landing", [](CCrossingPath& p) { return p.PushLanded(); },
            [](CCrossingState& s) { return s.Land(), true; });
        // Every boat of one or two, and the boats the move refuses: nobody,
        // and three travellers.
        std::vector<TravellerSet> boats = {0, TravellerBit(0) | TravellerBit(4) | TravellerBit(7)};
        for (int i = 0; i < TRAVELLER_COUNT; ++i) {
            for (int j = i; j < TRAVELLER_COUNT; ++j)
                boats.push_back(TravellerBit(i) | TravellerBit(j));
        }
        for (int action : {PLACE_GOING, PLACE_ARRIVED, PLACE_RETURNING}) {
            for (const TravellerSet boat : boats) {
                expectAsPush(
                    path, "boarding", [=](CCrossingPath& p) { return p.PushBoarded(boat, action); },
                    [=](CCrossingState& s) {
                        const int size = std::popcount(boat);
                        bool boarded = size == 1 || size == 2;
                        for (int t = 0; t < TRAVELLER_COUNT && boarded; ++t)
                            boarded = (boat & TravellerBit(t)) == 0 || s.Board(t, action);
                        return boarded;
                    });
            }
        }
    };

    CCrossingPath path;
    checkEveryMove(path);
    for (std::size_t step = 1; step < std::size(RECORDED_SHORTEST_PATH); ++step) {
        ASSERT_TRUE(path.Push(MakeArrangement(RECORDED_SHORTEST_PATH[step])));
        checkEveryMove(path);
    }
    while (path.Top() < PATH_CAPACITY - 1)
        ASSERT_TRUE(path.Push(Numbered(path.Top() + 1)));
    checkEveryMove(path);
}

// A copied or assigned path checks repetitions against its own steps only.
TEST(CrossingPathTest, CopiesCheckRepetitionsAgainstTheirOwnSteps)
{
    CCrossingPath longer = PathOf(11);
    const CCrossingPath copy = longer;
    CCrossingPath copied = copy;
    EXPECT_FALSE(copied.Push(Numbered(8))) << "index 12 repeats index 8";
    ASSERT_TRUE(copied.Push(Numbered(12)));
    EXPECT_FALSE(copied.Push(Numbered(9))) << "index 13 repeats index 9";

    longer = PathOf(2);
    for (int step = 3; step <= 11; ++step)
        EXPECT_TRUE(longer.Push(Numbered(step))) << "step " << step << " of the assigned path";
    EXPECT_EQ(longer.Top(), 11);
}

} // namespace
