// The legend under the crossing picture: the rowers' mark, and for a
// puzzle with types each type's ground beside its name, in the colours the
// picture gives them (TypeColours.h), following the palette.
#pragma once

#include "puzzle/Puzzle.h"

#include <QWidget>

class QHBoxLayout;

class CViewLegend : public QWidget {
public:
    explicit CViewLegend(QWidget* parent);

    // The types of puzzle, after the rowers' mark.
    void SetPuzzle(const CPuzzle& puzzle);

private:
    QHBoxLayout* m_layout;
    // The types' marks and names, made anew for each puzzle.
    QWidget* m_types = nullptr;
};
