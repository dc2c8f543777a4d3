// The crossing view's layout over many picture sizes: every traveller's spot,
// the seats and the boat stay apart and inside the picture, names fit their
// spots, and no two travellers' figures meet in any frame of any trip of the
// recorded path.
#include "view/SceneLayout.h"

#include "play/CrossingSteps.h"

#include "RecordedShortestPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The widest name per pixel of font size in the faces the view may get: IPA
// P Gothic 3.94, DejaVu Sans 4.25.
constexpr double NAME_WIDTHS[] = {3.0, 3.94, 4.25};
// The picture's smallest size, which the window keeps to.
constexpr QSizeF SMALLEST(520, 260);

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

TEST(SceneLayoutTest, SpotsSeatsAndBoatStayApartAtEverySize)
{
    std::vector<QSizeF> sizes;
    for (double width = 40; width <= 2600; width += 37)
        for (double height = 30; height <= 1600; height += 43)
            sizes.emplace_back(width, height);
    for (const QSizeF size : sizes) {
        for (const double nameWidth : NAME_WIDTHS) {
            for (const double boat : {0.0, 0.3, 0.5, 1.0}) {
                const CSceneLayout layout = LayoutScene(size, nameWidth, boat);
                const std::vector<QRectF> places = PlacesOf(layout);
                const QRectF area(QPointF(0, 0), size);
                SCOPED_TRACE(SizeText(size) + " boat at " + std::to_string(boat));
                ASSERT_TRUE(layout.m_river.contains(layout.m_boat));
                for (std::size_t i = 0; i < places.size(); ++i) {
                    ASSERT_TRUE(area.contains(places[i])) << i;
                    ASSERT_GT(places[i].width(), 0) << i;
                    // Bank spots never reach into the boat.
                    if (i < 2 * TRAVELLER_COUNT) {
                        ASSERT_FALSE(places[i].intersects(layout.m_boat)) << i;
                    }
                    for (std::size_t j = i + 1; j < places.size(); ++j) {
                        ASSERT_FALSE(places[i].intersects(places[j])) << i << " " << j;
                    }
                }
                // Names fit their spots and seats, and read well from the
                // smallest picture up.
                for (const QRectF& place : places) {
                    ASSERT_LE(layout.m_nameFontPixels * nameWidth, place.width());
                }
                if (size.width() >= SMALLEST.width() && size.height() >= SMALLEST.height()) {
                    ASSERT_GE(layout.m_nameFontPixels, 9.0);
                }
            }
        }
    }
}

TEST(SceneLayoutTest, NoTwoTravellersMeetInAnyFrameOfTheRecordedTrips)
{
    const std::vector<CStepScene> scenes = ScenesOf(StepsOfPath(RecordedPathUpTo()));
    for (const QSizeF size : {SMALLEST, QSizeF(700, 380), QSizeF(1900, 500), QSizeF(600, 1200)}) {
        for (std::size_t step = 1; step < scenes.size(); ++step) {
            const CStepScene& from = scenes[step - 1];
            const CStepScene& to = scenes[step];
            for (int tenth = 0; tenth <= 10; ++tenth) {
                const CPictureFrame frame = FrameBetween(size, 3.94, from, to, tenth / 10.0);
                SCOPED_TRACE(SizeText(size) + " step " + std::to_string(step) + " at " + std::to_string(tenth));
                // Everybody shows, fully once the frame is at rest.
                std::vector<double> shown(TRAVELLER_COUNT, 0);
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
                    ASSERT_EQ(frame.m_figures.size(), static_cast<std::size_t>(TRAVELLER_COUNT));
                }
            }
        }
    }
}

} // namespace
