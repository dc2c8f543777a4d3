// Where an arrow key takes the focus ring among the figures standing on a
// bank, by their places rather than their order: up and down to the nearest
// figure of the next row that way, left and right to the nearest of the
// same row. Figures share a row when their middles are level within half a
// figure's height.
#pragma once

#include <QRectF>

#include <vector>

struct CFigurePlace {
    int m_traveller = -1;
    QRectF m_rect;
};

enum class Arrow { LEFT, RIGHT, UP, DOWN };

// The traveller an arrow leads to from the figure at from, among figures;
// from's own traveller when none stands that way. Of figures as near, the
// first one listed.
int FigureToward(const CFigurePlace& from, const std::vector<CFigurePlace>& figures, Arrow arrow);
