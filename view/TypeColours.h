// The colours of the travellers' types in the crossing view: the figures of
// one type stand on a ground of one colour, and the legend names each type
// beside it. The colours keep away from the desktop's accent colour, which
// marks the rowers, and from one another, in light and dark palettes alike.
#pragma once

#include "puzzle/Puzzle.h"

#include <QColor>

#include <string>
#include <vector>

class QPalette;

// Each type of a puzzle once, in the order of its first traveller.
std::vector<std::string> TypesOf(const CPuzzle& puzzle);

// Which of TypesOf(puzzle) each traveller is of, -1 for none.
std::vector<int> TypeIndexes(const CPuzzle& puzzle);

// count colours for a palette: strong hues, the most easily told apart
// first, but for those near the accent's (Highlight); lighter in a dark
// palette; past the first round of hues, paler ones.
std::vector<QColor> TypeColours(int count, const QPalette& palette);
