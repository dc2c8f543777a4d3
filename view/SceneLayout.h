// Where the crossing view draws everything, for a picture of a given size
// and a puzzle of a given shape: the two banks and the river, a fixed spot
// for each traveller on either bank, and the boat with its seats; and the
// frames of the way from one step to the next. The spots, the seats and the
// boat never overlap one another at any size, and each spot is wide enough
// for a name as wide as the shape says, so figures drawn inside them never
// overlap; a wider name is shortened where it is drawn.
#pragma once

#include "play/StepScene.h"

#include <QRectF>
#include <QSizeF>

#include <vector>

// Inside a spot or seat, the figure stands on top and its name is written
// in at most this share of the height below it; in a puzzle with weights or
// times, they are written in at most the next share, under the name.
inline constexpr double NAME_SHARE = 0.28;
inline constexpr double MEASURES_SHARE = 0.2;

// Names wider than this, in pixels per pixel of font size, are shortened
// rather than make every name smaller; so are weights and times, and the
// boat's load, wider than the second.
inline constexpr double WIDEST_NAME_LAID_OUT = 4.5;
inline constexpr double WIDEST_MEASURES_LAID_OUT = 14;

// What a puzzle's picture holds: its travellers, its boat's seats, and its
// widest name in pixels per pixel of font size (at most
// WIDEST_NAME_LAID_OUT); likewise its widest weight and time under a name,
// and the boat's load at its widest, 0 for a puzzle without them.
struct CSceneShape {
    int m_travellers = 12;
    int m_seats = 2;
    double m_nameWidthPerPixel = 4;
    double m_measuresWidthPerPixel = 0;
    double m_loadWidthPerPixel = 0;
};

struct CSceneLayout {
    QRectF m_startBank; // the start bank, on the left
    QRectF m_river;
    QRectF m_farBank; // the far bank, on the right
    QRectF m_startTitle;
    QRectF m_farTitle;
    // Traveller t stands at spot t of the bank it is on.
    std::vector<QRectF> m_startSpots;
    std::vector<QRectF> m_farSpots;
    QRectF m_boat; // the hull with the seats above it
    std::vector<QRectF> m_seats;
    // Under the boat, what it carries; empty without a load.
    QRectF m_load;
    // The height of the name and of the weight and time at the bottom of
    // every spot and seat, at most their shares of it: the figure takes the
    // rest.
    double m_nameHeight = 0;
    double m_measuresHeight = 0;
    double m_nameFontPixels = 0;
    double m_titleFontPixels = 0;
    // 0 for a puzzle without them.
    double m_measuresFontPixels = 0;
    double m_loadFontPixels = 0;
};

// The parts of a spot or seat of a layout, from the top: the figure, the
// name, and the weight and time (empty for a puzzle without them).
QRectF FigurePart(const CSceneLayout& layout, const QRectF& spot);
QRectF NamePart(const CSceneLayout& layout, const QRectF& spot);
QRectF MeasuresPart(const CSceneLayout& layout, const QRectF& spot);

// boatPosition: 0 at the start bank, 1 at the far bank, 0.5 in the middle
// of the river.
CSceneLayout LayoutScene(QSizeF area, const CSceneShape& shape, double boatPosition);

// Names are written at least this large, in pixels, from the smallest
// picture up; weights, times and the load at least the second.
inline constexpr double SMALLEST_NAME_PIXELS = 9;
inline constexpr double SMALLEST_MEASURES_PIXELS = 8;
// The smallest picture of a shape in which names are written at least
// SMALLEST_NAME_PIXELS large, and weights, times and the load at least
// SMALLEST_MEASURES_PIXELS: 520 by 260 for the built-in puzzle, larger in
// the same proportions for more travellers or seats, or for measures.
QSizeF SmallestPicture(const CSceneShape& shape);

// The boat's position in a scene at rest: at its bank, or mid-river.
double BoatPositionOf(const CStepScene& scene);

// A traveller's figure in a frame. A traveller stepping into or out of the
// boat shows at both places, fading from one to the other.
struct CFigureSpot {
    int m_traveller = 0;
    QRectF m_rect;
    double m_opacity = 1;
};

struct CPictureFrame {
    CSceneLayout m_layout;
    int m_boat = PLACE_START;  // as CStepScene::m_boat: on the river it says which way
    TravellerSet m_aboard = 0; // who the boat carries
    std::vector<CFigureSpot> m_figures;
};

CPictureFrame FrameAtRest(QSizeF area, const CSceneShape& shape, const CStepScene& scene);

// The way from one step to the next, progress from 0 to 1: a boarding
// (the travellers step in, then the boat leaves its bank for mid-river) or
// a landing (the boat reaches the other bank, then they step out). The
// boat's crossing is one smooth movement over both. Any other pair of
// scenes shows the second at rest.
CPictureFrame FrameBetween(QSizeF area, const CSceneShape& shape, const CStepScene& from, const CStepScene& to,
                           double progress);
