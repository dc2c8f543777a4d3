#include "SceneLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Each bank takes this share of the width; the river the rest.
constexpr double BANK_SHARE = 0.3;
// Spots are best this much taller than wide.
constexpr double SPOT_ASPECT = 1.3;
// A boat of two seats is at most this share of the river wide, so that it
// visibly crosses; a larger one at most the second.
constexpr double BOAT_SHARE_OF_RIVER = 0.5;
constexpr double LARGEST_BOAT_SHARE = 0.8;
// Around the seats, in seat widths.
constexpr double BOAT_PADDING = 0.15;
// A text's font is at most this share of its line's height.
constexpr double TEXT_LINE_SHARE = 0.85;
// Under the texts of a spot, this share of its height is left clear.
constexpr double TEXTS_MARGIN_SHARE = 0.06;
// Of a step's time: stepping into the boat at the start of a boarding, and
// out of it at the end of a landing.
constexpr double STEPPING_SHARE = 0.35;

// The grid of spots, one per traveller, that makes them largest in a
// region.
struct CGrid {
    int m_columns = 1;
    double m_cellWidth = 0;
    double m_cellHeight = 0;
};

CGrid BestGrid(QSizeF region, int spots)
{
    CGrid best;
    double bestSide = -1;
    // For each number of rows, the fewest columns that hold every spot.
    for (int rows = 1; rows <= spots; ++rows) {
        const int columns = (spots + rows - 1) / rows;
        const double width = region.width() / columns;
        const double height = region.height() / rows;
        const double side = std::min(width, height / SPOT_ASPECT);
        if (side > bestSide) {
            bestSide = side;
            best = {columns, width, height};
        }
    }
    return best;
}

// Spots stay this far apart, so that what is drawn in them never touches.
double GapOf(double width, double height)
{
    return std::min(width, height) * 0.04;
}

// The largest font in which a spot or seat of this size holds a line of
// text in its share of the height.
double TextFontFor(double width, double height, double share, double widthPerPixel)
{
    const double gap = GapOf(width, height);
    const double byHeight = (height - 2 * gap) * share * TEXT_LINE_SHARE;
    const double byWidth = (width - 2 * gap) * 0.95 / std::max(widthPerPixel, 0.1);
    return std::max(0.0, std::min(byHeight, byWidth));
}

// The smaller of the fonts that a bank's spot and a seat hold.
double SpotFont(const CGrid& grid, double seatWidth, double seatHeight, double share, double widthPerPixel)
{
    return std::min(TextFontFor(grid.m_cellWidth, grid.m_cellHeight, share, widthPerPixel),
                    TextFontFor(seatWidth, seatHeight, share, widthPerPixel));
}

QRectF Deflated(const QRectF& rect)
{
    const double gap = GapOf(rect.width(), rect.height());
    return rect.adjusted(gap, gap, -gap, -gap);
}

double Lerp(double from, double to, double t)
{
    return from + (to - from) * t;
}

// Where each traveller of a scene stands in a layout: its bank's spot, or a
// seat in traveller order.
std::vector<QRectF> PlacesIn(const CSceneLayout& layout, const CStepScene& scene)
{
    std::vector<QRectF> places(layout.m_startSpots.size());
    std::size_t seat = 0;
    for (std::size_t index = 0; index < places.size(); ++index) {
        const int t = static_cast<int>(index);
        if (scene.m_aboard & TravellerBit(t))
            places[index] = layout.m_seats[std::min(seat++, layout.m_seats.size() - 1)];
        else if (scene.m_atFar & TravellerBit(t))
            places[index] = layout.m_farSpots[index];
        else
            places[index] = layout.m_startSpots[index];
    }
    return places;
}

CPictureFrame FrameOf(const CSceneLayout& layout, int boat, const CStepScene& scene)
{
    CPictureFrame frame{layout, boat, scene.m_aboard, {}};
    const std::vector<QRectF> places = PlacesIn(layout, scene);
    for (std::size_t index = 0; index < places.size(); ++index)
        frame.m_figures.push_back({static_cast<int>(index), places[index], 1.0});
    return frame;
}

// Travellers stepping into or out of the boat fade from one place to the
// other: those of who show at their places in other as well.
void FadeBetween(CPictureFrame& frame, const std::vector<QRectF>& other, TravellerSet who, double otherOpacity)
{
    std::vector<CFigureSpot> there;
    for (CFigureSpot& figure : frame.m_figures) {
        if ((who & TravellerBit(figure.m_traveller)) == 0)
            continue;
        const QRectF otherRect = other[static_cast<std::size_t>(figure.m_traveller)];
        if (otherOpacity >= 1) {
            figure.m_rect = otherRect;
        } else {
            figure.m_opacity = 1 - otherOpacity;
            there.push_back({figure.m_traveller, otherRect, otherOpacity});
        }
    }
    frame.m_figures.insert(frame.m_figures.end(), there.begin(), there.end());
}

// The share of the river crossed, eased in at the start bank and out at the
// far one, for t from 0 to 1 over the whole crossing.
double Crossed(double t)
{
    return 0.5 * (1 - std::cos(std::numbers::pi * std::clamp(t, 0.0, 1.0)));
}

} // namespace

CSceneLayout LayoutScene(QSizeF area, const CSceneShape& shape, double boatPosition)
{
    const double width = std::max(area.width(), 0.0);
    const double height = std::max(area.height(), 0.0);
    const double margin = std::clamp(std::min(width, height) * 0.02, 1.0, 10.0);
    const double bankWidth = width * BANK_SHARE;

    CSceneLayout layout;
    layout.m_startBank = QRectF(0, 0, bankWidth, height);
    layout.m_farBank = QRectF(width - bankWidth, 0, bankWidth, height);
    layout.m_river = QRectF(bankWidth, 0, width - 2 * bankWidth, height);

    const double titleHeight = std::min(std::clamp(height * 0.08, 14.0, 30.0), height * 0.2);
    layout.m_titleFontPixels = titleHeight * 0.75;
    layout.m_startTitle = QRectF(margin, margin, bankWidth - 2 * margin, titleHeight);
    layout.m_farTitle = layout.m_startTitle.translated(width - bankWidth, 0);

    const QRectF region(margin, 2 * margin + titleHeight, bankWidth - 2 * margin, height - 3 * margin - titleHeight);
    const int travellers = std::max(shape.m_travellers, 1);
    const CGrid grid = BestGrid(region.size(), travellers);
    for (int t = 0; t < travellers; ++t) {
        const int column = t % grid.m_columns;
        const int row = t / grid.m_columns;
        const QRectF cell(region.x() + column * grid.m_cellWidth, region.y() + row * grid.m_cellHeight,
                          grid.m_cellWidth, grid.m_cellHeight);
        layout.m_startSpots.push_back(Deflated(cell));
        layout.m_farSpots.push_back(Deflated(cell).translated(width - bankWidth, 0));
    }

    // The seats are as wide as the spots where the river has room for them,
    // and of the spots' best shape. A boat of more seats takes more of the
    // river, but never so much that it does not visibly cross.
    const int seats = std::max(shape.m_seats, 1);
    const double boatShare = std::min(BOAT_SHARE_OF_RIVER * seats / 2, LARGEST_BOAT_SHARE);
    const double riverRoom = layout.m_river.width() - 2 * margin;
    const double seatWidth =
        std::min(grid.m_cellWidth, layout.m_river.width() * boatShare / (seats + 2 * BOAT_PADDING));
    const double seatHeight = std::min(seatWidth * SPOT_ASPECT, height * 0.5);
    // Padding in seat widths, unless the picture is too low for the seats' best
    // shape, so that the boat stays inside it.
    const double padding = std::min(seatWidth, seatHeight) * BOAT_PADDING;
    const double boatWidth = std::min(seats * seatWidth + 2 * padding, riverRoom);
    const double boatHeight = seatHeight + padding;
    const double left = layout.m_river.left() + margin;
    const double right = std::max(left, layout.m_river.right() - margin - boatWidth);
    const double x = Lerp(left, right, std::clamp(boatPosition, 0.0, 1.0));
    const double y = (height - boatHeight) / 2;
    layout.m_boat = QRectF(x, y, boatWidth, boatHeight);
    for (int seat = 0; seat < seats; ++seat)
        layout.m_seats.push_back(Deflated(QRectF(x + padding + seat * seatWidth, y, seatWidth, seatHeight)));

    const double nameWidth = std::min(shape.m_nameWidthPerPixel, WIDEST_NAME_LAID_OUT);
    layout.m_nameFontPixels = SpotFont(grid, seatWidth, seatHeight, NAME_SHARE, nameWidth);
    // The texts' lines as high as their fonts need, which their shares of
    // every spot and seat hold (TextFontFor).
    layout.m_nameHeight = layout.m_nameFontPixels / TEXT_LINE_SHARE;
    if (shape.m_measuresWidthPerPixel > 0) {
        const double measuresWidth = std::min(shape.m_measuresWidthPerPixel, WIDEST_MEASURES_LAID_OUT);
        layout.m_measuresFontPixels = SpotFont(grid, seatWidth, seatHeight, MEASURES_SHARE, measuresWidth);
        layout.m_measuresHeight = layout.m_measuresFontPixels / TEXT_LINE_SHARE;
    }
    if (shape.m_loadWidthPerPixel > 0) {
        // Under the hull, as wide as the boat, in the river below it.
        const double top = layout.m_boat.bottom() + padding;
        const double loadHeight = std::max(0.0, std::min(titleHeight, height - margin - top));
        layout.m_load = QRectF(x, top, boatWidth, loadHeight);
        const double loadWidth = std::min(shape.m_loadWidthPerPixel, WIDEST_MEASURES_LAID_OUT);
        layout.m_loadFontPixels = std::max(0.0, std::min(loadHeight * 0.65, boatWidth * 0.95 / loadWidth));
    }
    return layout;
}

namespace {

// Under the texts, clear of the marks drawn round a spot.
double TextsBottom(const QRectF& spot)
{
    return spot.bottom() - spot.height() * TEXTS_MARGIN_SHARE;
}

} // namespace

QRectF FigurePart(const CSceneLayout& layout, const QRectF& spot)
{
    return QRectF(spot.topLeft(), QPointF(spot.right(), NamePart(layout, spot).top()));
}

QRectF NamePart(const CSceneLayout& layout, const QRectF& spot)
{
    const double top = TextsBottom(spot) - layout.m_nameHeight - layout.m_measuresHeight;
    return QRectF(spot.left(), top, spot.width(), layout.m_nameHeight);
}

QRectF MeasuresPart(const CSceneLayout& layout, const QRectF& spot)
{
    if (layout.m_measuresHeight <= 0)
        return QRectF();
    return QRectF(spot.left(), TextsBottom(spot) - layout.m_measuresHeight, spot.width(), layout.m_measuresHeight);
}

QSizeF SmallestPicture(const CSceneShape& shape)
{
    QSizeF size(520, 260);
    // Whatever the boat's place, the texts' sizes are the same.
    const auto readable = [&shape](const CSceneLayout& layout) {
        return layout.m_nameFontPixels >= SMALLEST_NAME_PIXELS &&
               (shape.m_measuresWidthPerPixel <= 0 || layout.m_measuresFontPixels >= SMALLEST_MEASURES_PIXELS) &&
               (shape.m_loadWidthPerPixel <= 0 || layout.m_loadFontPixels >= SMALLEST_MEASURES_PIXELS);
    };
    while (!readable(LayoutScene(size, shape, 0)))
        size = QSizeF(std::ceil(size.width() * 1.1), std::ceil(size.height() * 1.1));
    return size;
}

double BoatPositionOf(const CStepScene& scene)
{
    if (scene.IsOnRiver())
        return 0.5;
    return scene.m_boat == PLACE_ARRIVED ? 1.0 : 0.0;
}

CPictureFrame FrameAtRest(QSizeF area, const CSceneShape& shape, const CStepScene& scene)
{
    return FrameOf(LayoutScene(area, shape, BoatPositionOf(scene)), scene.m_boat, scene);
}

CPictureFrame FrameBetween(QSizeF area, const CSceneShape& shape, const CStepScene& from, const CStepScene& to,
                           double progress)
{
    const double p = std::clamp(progress, 0.0, 1.0);
    const bool boarding = !from.IsOnRiver() && to.IsOnRiver();
    const bool landing = from.IsOnRiver() && !to.IsOnRiver();
    if ((!boarding && !landing) || p >= 1)
        return FrameAtRest(area, shape, to);

    // The crossing runs from the bank the boat leaves to the one it reaches,
    // half of it in each step.
    const double departure = boarding ? BoatPositionOf(from) : 1 - BoatPositionOf(to);
    const double arrival = 1 - departure;
    const CStepScene& onRiver = boarding ? to : from;
    const CStepScene& ashore = boarding ? from : to;
    double crossed = 0;
    double stepping = 0; // how far out of the boat, for both directions
    if (boarding) {
        crossed = p < STEPPING_SHARE ? 0 : Crossed((p - STEPPING_SHARE) / (1 - STEPPING_SHARE) / 2);
        stepping = p < STEPPING_SHARE ? 1 - p / STEPPING_SHARE : 0;
    } else {
        const double moving = 1 - STEPPING_SHARE;
        crossed = Crossed(0.5 + std::min(p / moving, 1.0) / 2);
        stepping = p < moving ? 0 : (p - moving) / STEPPING_SHARE;
    }
    const double boatPosition = Lerp(departure, arrival, crossed);
    const CSceneLayout layout = LayoutScene(area, shape, boatPosition);
    CPictureFrame frame = FrameOf(layout, onRiver.m_boat, onRiver);
    if (stepping > 0)
        FadeBetween(frame, PlacesIn(layout, ashore), onRiver.m_aboard, stepping);
    return frame;
}
