// What the picture of a crossing writes beside its figures besides their
// names, for a front end that draws it: a traveller's weight and time, and
// what the boat carries. The words come from the texts, so that a front end
// writes none of its own.
#pragma once

#include "puzzle/Puzzle.h"

#include <string>

// Under a traveller's name: "重さ 90・10 分"; "" for a puzzle without
// weights or times.
std::string TravellerMeasures(const CPuzzle& puzzle, int traveller);

// By the boat: "重さ 60 / 100" for those aboard; "" without a load.
std::string BoatLoad(const CPuzzle& puzzle, TravellerSet aboard);
