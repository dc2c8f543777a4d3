// Draws frames of the crossing view with vector shapes, in colours taken
// from the palette, so that the picture is sharp at any scale and follows a
// light or dark desktop.
#pragma once

#include "SceneLayout.h"

#include <QColor>

class QFont;
class QPainter;
class QPalette;

struct CSceneColours {
    QColor m_land;
    QColor m_water;
    QColor m_wave;
    QColor m_text;
    QColor m_operatorFill;
    QColor m_travellerFill;
    QColor m_hull;
    QColor m_wood; // the hull's edge and the operators' oars
};

CSceneColours SceneColoursOf(const QPalette& palette);

// One traveller's figure, in rect; an operator is filled with the
// palette's accent colour and holds an oar.
void PaintFigure(QPainter& painter, const QRectF& rect, bool isOperator, const CSceneColours& colours);

// The whole frame: banks, river, titles, the boat and its direction, and
// every figure with its name, in font's face.
void PaintFrame(QPainter& painter, const CPictureFrame& frame, const CSceneColours& colours, const QFont& font);
