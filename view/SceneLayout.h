// Where the crossing view draws everything, for a picture of a given size:
// the two banks and the river, a fixed spot for each traveller on either
// bank, and the boat with its two seats; and the frames of the way from one
// step to the next. The spots, the seats and the boat never overlap one
// another at any size, and each spot is wide enough for its name, so figures
// drawn inside them never overlap.
#pragma once

#include "display/StepScene.h"

#include <QRectF>
#include <QSizeF>

#include <array>
#include <vector>

// Inside a spot or seat, the figure stands on top and its name is written
// in this share of the height below it.
inline constexpr double NAME_SHARE = 0.28;

struct CSceneLayout {
    QRectF m_startBank; // 日本, on the left
    QRectF m_river;
    QRectF m_farBank; // 米国, on the right
    QRectF m_startTitle;
    QRectF m_farTitle;
    // Traveller t stands at spot t of the bank it is on.
    std::array<QRectF, TRAVELLER_COUNT> m_startSpots;
    std::array<QRectF, TRAVELLER_COUNT> m_farSpots;
    QRectF m_boat; // the hull with the seats above it
    std::array<QRectF, 2> m_seats;
    double m_nameFontPixels = 0;
    double m_titleFontPixels = 0;
};

// nameWidthPerPixel: the widest traveller's name, in pixels per pixel of
// font size. boatPosition: 0 at the 日本 bank, 1 at the 米国 bank, 0.5 in
// the middle of the river.
CSceneLayout LayoutScene(QSizeF area, double nameWidthPerPixel, double boatPosition);

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
    int m_boat = PLACE_START; // as CStepScene::m_boat: on the river it says which way
    std::vector<CFigureSpot> m_figures;
};

CPictureFrame FrameAtRest(QSizeF area, double nameWidthPerPixel, const CStepScene& scene);

// The way from one step to the next, progress from 0 to 1: a boarding
// (the travellers step in, then the boat leaves its bank for mid-river) or
// a landing (the boat reaches the other bank, then they step out). The
// boat's crossing is one smooth movement over both. Any other pair of
// scenes shows the second at rest.
CPictureFrame FrameBetween(QSizeF area, double nameWidthPerPixel, const CStepScene& from, const CStepScene& to,
                           double progress);
