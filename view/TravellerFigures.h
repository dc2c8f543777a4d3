// What the crossing picture draws of a puzzle's travellers besides their
// names, worked out once for a puzzle and a face: each traveller's look
// where a font can draw it, its type, and its weight and time; and the
// shape of the picture that the widths of their texts make.
#pragma once

#include "SceneLayout.h"
#include "puzzle/Puzzle.h"

#include <QFont>
#include <QRectF>
#include <QString>

#include <vector>

struct CTravellerFigures {
    // Drawn in place of the generic figure: the look, or "" where there is
    // none or no font draws it; and where its glyphs reach from the origin
    // of the text, per pixel of font size.
    std::vector<QString> m_looks;
    std::vector<QRectF> m_lookBoxes;
    // Each traveller's type among TypesOf (TypeColours.h), -1 for none.
    std::vector<int> m_types;
    int m_typeCount = 0;
    // Written under the name: weight and time, "" without them.
    std::vector<QString> m_measures;
    // The face of the looks: the colour emoji font first.
    QFont m_lookFont;
};

// The family of the colour emoji font (Debian's fonts-noto-color-emoji).
inline constexpr const char* LOOK_FAMILY = "Noto Color Emoji";

// Whether font, with the fonts the system falls back on, has a glyph for
// every character of look but the joiners and variation selectors that
// bind an emoji sequence.
bool FontsDrawLook(const QFont& font, const QString& look);

CTravellerFigures TravellerFiguresOf(const CPuzzle& puzzle, const QFont& face);

// The picture's shape for a puzzle whose texts are written in face.
CSceneShape ShapeOf(const CPuzzle& puzzle, const CTravellerFigures& figures, const QFont& face);
