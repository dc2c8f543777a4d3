// Writes a puzzle as a puzzle file that ReadPuzzleText reads back as the
// same puzzle: the starting point for writing a new one.
#pragma once

#include "Puzzle.h"

#include <string>

std::string PuzzleFileText(const CPuzzle& puzzle);
