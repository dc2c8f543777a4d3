// The crossing view's layout over many picture sizes, for the built-in
// puzzle, every shipped one and two puzzles of sixteen travellers and a boat
// of four, one with every key of the family (looks, types, weights, times):
// every traveller's spot, the seats, the boat and its load stay apart and
// inside the picture, in its own pixels at scale 1 and 2; in each spot and
// seat the figure, the name and the weight and time stand apart; names and
// numbers fit their places, and read well from the picture's smallest size
// up; and no two travellers' figures meet in any frame of any trip of each
// puzzle's answer.
#include "view/SceneLayout.h"

#include "play/CrossingSteps.h"
#include "play/FigureLabels.h"

#include "RecordedShortestPath.h"
#include "TestPuzzles.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The widest name per pixel of font size in the faces the view may get: IPA
// P Gothic 3.94, DejaVu Sans 4.25; and a long name that is shortened.
constexpr double NAME_WIDTHS[] = {3.0, 3.94, 4.25, 9.0};

struct CTestedPuzzle {
    std::string m_name;
    CPuzzle m_puzzle;
};

std::vector<CTestedPuzzle> TestedPuzzles()
{
    std::vector<CTestedPuzzle> puzzles;
    for (const CPuzzleEntry& entry : PuzzleEntries(ShippedPuzzlesFolder()))
        puzzles.push_back({entry.m_name, OpenPuzzle(entry.m_name, ShippedPuzzlesFolder()).Puzzle()});
    puzzles.push_back({"sixteen and four seats", TestPuzzle(RulesOfEveryKindPuzzleText(MAX_TRAVELLERS, MAX_SEATS))});
    puzzles.push_back({"every key", TestPuzzle(WholeFamilyPuzzleText(MAX_TRAVELLERS, MAX_SEATS))});
    return puzzles;
}

// A text's width in pixels per pixel of font size at most: a character
// is never wider than its size, in the faces the view may get.
double WidestPerPixel(const std::string& text)
{
    return static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The shape of a puzzle whose widest name is nameWidth per pixel, with its
// weights, times and load as wide as they may be.
CSceneShape ShapeOf(const CPuzzle& puzzle, double nameWidth)
{
    CSceneShape shape{puzzle.TravellerCount(), puzzle.m_seats, nameWidth};
    for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller)
        shape.m_measuresWidthPerPixel =
            std::max(shape.m_measuresWidthPerPixel, WidestPerPixel(TravellerMeasures(puzzle, traveller)));
    shape.m_loadWidthPerPixel = WidestPerPixel(BoatLoad(puzzle, puzzle.Everybody()));
    return shape;
}

// The figure, the name and the weight and time of a spot or seat, from the
// top, each inside it and apart, and each text as high as its font.
void ExpectPartsApart(const CSceneLayout& layout, const QRectF& place)
{
    const QRectF figure = FigurePart(layout, place);
    const QRectF name = NamePart(layout, place);
    const QRectF measures = MeasuresPart(layout, place);
    ASSERT_TRUE(place.contains(figure) && place.contains(name));
    ASSERT_GT(figure.height(), 0);
    // Apart but for rounding.
    constexpr double ROUNDING = 1e-9;
    ASSERT_LE(figure.bottom(), name.top() + ROUNDING);
    ASSERT_LE(layout.m_nameFontPixels, name.height());
    if (layout.m_measuresFontPixels > 0) {
        ASSERT_TRUE(place.contains(measures));
        ASSERT_LE(name.bottom(), measures.top() + ROUNDING);
        ASSERT_LE(layout.m_measuresFontPixels, measures.height());
    }
}

std::string SizeText(QSizeF size)
{
    return std::to_string(static_cast<int>(size.width())) + "x" + std::to_string(static_cast<int>(size.height()));
}

// Every spot and seat, and the boat.
std::vector<QRectF> PlacesOf(const CSceneLayout& layout)
{
    std::vector<QRectF> places(layout.m_startSpots.begin(), layout.m_startSpots.end());
    places.insert(places.end(), layout.m_farSpots.begin(), layout.m_farSpots.end());
    places.insert(places.end(), layout.m_seats.begin(), layout.m_seats.end());
    return places;
}

// A rectangle in whole pixels of a picture at scale.
QRect InPixels(const QRectF& rect, double scale)
{
    return QRectF(rect.topLeft() * scale, rect.size() * scale).toAlignedRect();
}

TEST(SceneLayoutTest, SpotsSeatsAndBoatStayApartAtEverySize)
{
    std::vector<QSizeF> sizes;
    for (double width = 40; width <= 2600; width += 73)
        for (double height = 30; height <= 1600; height += 61)
            sizes.emplace_back(width, height);
    for (const CTestedPuzzle& tested : TestedPuzzles()) {
        for (const double nameWidth : NAME_WIDTHS) {
            const CSceneShape shape = ShapeOf(tested.m_puzzle, nameWidth);
            // Not shortened: they are laid out whole.
            ASSERT_LE(shape.m_measuresWidthPerPixel, WIDEST_MEASURES_LAID_OUT);
            ASSERT_LE(shape.m_loadWidthPerPixel, WIDEST_MEASURES_LAID_OUT);
            const QSizeF smallest = SmallestPicture(shape);
            for (const QSizeF size : sizes) {
                for (const double boat : {0.0, 0.3, 0.5, 1.0}) {
                    const CSceneLayout layout = LayoutScene(size, shape, boat);
                    std::vector<QRectF> places = PlacesOf(layout);
                    SCOPED_TRACE(tested.m_name + " " + SizeText(size) + " boat at " + std::to_string(boat));
                    ASSERT_EQ(places.size(), static_cast<std::size_t>(2 * shape.m_travellers + shape.m_seats));
                    ASSERT_TRUE(layout.m_river.contains(layout.m_boat));
                    for (const QRectF& place : places)
                        ASSERT_NO_FATAL_FAILURE(ExpectPartsApart(layout, place));
                    // The load, under the boat in the river, stands apart
                    // from the rest, its number whole.
                    ASSERT_EQ(layout.m_load.isEmpty(), !tested.m_puzzle.HasLoad() || layout.m_loadFontPixels <= 0);
                    if (!layout.m_load.isEmpty()) {
                        ASSERT_TRUE(layout.m_river.contains(layout.m_load));
                        ASSERT_FALSE(layout.m_load.intersects(layout.m_boat));
                        ASSERT_LE(layout.m_loadFontPixels, layout.m_load.height());
                        ASSERT_LE(layout.m_loadFontPixels * shape.m_loadWidthPerPixel, layout.m_load.width());
                        places.push_back(layout.m_load);
                    }
                    const QRectF area(QPointF(0, 0), size);
                    for (std::size_t i = 0; i < places.size(); ++i) {
                        ASSERT_TRUE(area.contains(places[i])) << i;
                        ASSERT_GT(places[i].width(), 0) << i;
                        // Bank spots never reach into the boat.
                        if (i < 2 * static_cast<std::size_t>(shape.m_travellers)) {
                            ASSERT_FALSE(places[i].intersects(layout.m_boat)) << i;
                        }
                        for (std::size_t j = i + 1; j < places.size(); ++j) {
                            ASSERT_FALSE(places[i].intersects(places[j])) << i << " " << j;
                        }
                    }
                    // In whole pixels too, at scale 1 and 2, from the
                    // smallest picture up.
                    const bool shown = size.width() >= smallest.width() && size.height() >= smallest.height();
                    for (const double scale : {1.0, 2.0}) {
                        for (std::size_t i = 0; shown && i < places.size(); ++i) {
                            const QRect place = InPixels(places[i], scale);
                            ASSERT_TRUE(QRect(QPoint(0, 0), (size * scale).toSize()).contains(place)) << i;
                            for (std::size_t j = i + 1; j < places.size(); ++j) {
                                ASSERT_FALSE(place.intersects(InPixels(places[j], scale)))
                                    << i << " " << j << " at scale " << scale;
                            }
                        }
                    }
                    // Names fit their spots and seats, or are shortened to,
                    // and weights and times fit whole; all read well from
                    // the smallest picture up.
                    for (const QRectF& place : PlacesOf(layout)) {
                        ASSERT_LE(layout.m_nameFontPixels * std::min(nameWidth, WIDEST_NAME_LAID_OUT), place.width());
                        ASSERT_LE(layout.m_measuresFontPixels * shape.m_measuresWidthPerPixel, place.width());
                    }
                    if (shown) {
                        ASSERT_GE(layout.m_nameFontPixels, SMALLEST_NAME_PIXELS);
                        ASSERT_GE(layout.m_measuresFontPixels,
                                  shape.m_measuresWidthPerPixel > 0 ? SMALLEST_MEASURES_PIXELS : 0);
                        ASSERT_GE(layout.m_loadFontPixels,
                                  shape.m_loadWidthPerPixel > 0 ? SMALLEST_MEASURES_PIXELS : 0);
                    }
                }
            }
        }
    }
    // The built-in puzzle's smallest picture stays as it was.
    EXPECT_EQ(SmallestPicture({TRAVELLER_COUNT, 2, 4.25}), QSizeF(520, 260));
}

TEST(SceneLayoutTest, NoTwoTravellersMeetInAnyFrameOfAnAnswersTrips)
{
    for (const CTestedPuzzle& tested : TestedPuzzles()) {
        const CPuzzleSolution solution(tested.m_puzzle);
        const std::vector<CStepScene> scenes = ScenesOf(StepsOfPlan(tested.m_puzzle, solution.FirstPlan()));
        const CSceneShape shape = ShapeOf(tested.m_puzzle, 3.94);
        const std::size_t travellers = static_cast<std::size_t>(shape.m_travellers);
        for (const QSizeF size : {SmallestPicture(shape), QSizeF(700, 380), QSizeF(1900, 500), QSizeF(600, 1200)}) {
            for (std::size_t step = 1; step < scenes.size(); ++step) {
                for (int tenth = 0; tenth <= 10; ++tenth) {
                    const CPictureFrame frame = FrameBetween(size, shape, scenes[step - 1], scenes[step], tenth / 10.0);
                    SCOPED_TRACE(tested.m_name + " " + SizeText(size) + " step " + std::to_string(step) + " at " +
                                 std::to_string(tenth));
                    // Everybody shows, fully once the frame is at rest.
                    std::vector<double> shown(travellers, 0);
                    for (const CFigureSpot& figure : frame.m_figures)
                        shown[static_cast<std::size_t>(figure.m_traveller)] += figure.m_opacity;
                    for (double opacity : shown) {
                        ASSERT_NEAR(opacity, 1.0, 1e-9);
                    }
                    for (const CFigureSpot& a : frame.m_figures) {
                        for (const CFigureSpot& b : frame.m_figures) {
                            ASSERT_TRUE(a.m_traveller == b.m_traveller || !a.m_rect.intersects(b.m_rect))
                                << a.m_traveller << " " << b.m_traveller;
                        }
                    }
                    if (tenth == 10) {
                        ASSERT_EQ(frame.m_figures.size(), travellers);
                    }
                }
            }
        }
    }
}

} // namespace
