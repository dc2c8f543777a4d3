// Draws frames of the crossing view with vector shapes, in colours taken
// from the palette, so that the picture is sharp at any scale and follows a
// light or dark desktop.
#pragma once

#include "SceneLayout.h"
#include "TravellerFigures.h"
#include "puzzle/Puzzle.h"

#include <QColor>

#include <vector>

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
    QColor m_wood;      // the hull's edge and the operators' oars
    QColor m_chosen;    // behind a traveller chosen in the game
    QColor m_concerned; // round a traveller a refused trip concerns
    // The ground of each type's figures (TypeColours.h).
    std::vector<QColor> m_types;
};

// The travellers marked in the game: those chosen for the next trip (a
// filled, framed spot), those a refused trip concerns (a heavy frame with
// "!") and those a hint names (a dashed frame). Each mark has a shape of its
// own, so that none is told by its colour alone.
struct CTravellerMarks {
    TravellerSet m_chosen = 0;
    TravellerSet m_concerned = 0;
    TravellerSet m_hinted = 0;
};

// The colours of a palette, with those of types of a puzzle.
CSceneColours SceneColoursOf(const QPalette& palette, int types = 0);

// One traveller's generic figure, in rect; an operator is filled with the
// palette's accent colour and holds an oar.
void PaintFigure(QPainter& painter, const QRectF& rect, bool isOperator, const CSceneColours& colours);

// The ground under a figure of a type, in rect, in the type's colour.
void PaintTypeGround(QPainter& painter, const QRectF& rect, const QColor& colour, const CSceneColours& colours);

// The whole frame of a puzzle's picture: banks with their names, river, the
// boat, its direction and its load, and every figure, its look where it has
// one, on its type's ground, with its name and its weight and time, in
// font's face, with the marks of the game. A text too wide for its place is
// shortened with an ellipsis.
void PaintFrame(QPainter& painter, const CPictureFrame& frame, const CPuzzle& puzzle, const CTravellerFigures& figures,
                const CSceneColours& colours, const QFont& font, const CTravellerMarks& marks = {});
