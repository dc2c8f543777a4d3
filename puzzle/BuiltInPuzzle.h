// The program's own puzzle, the one the dialog's search solves, as a puzzle
// like any other: its rules are the search's own SAFETY_RULES, its rowers
// those whom the first rule asks for, its names the table's. The one file of
// the puzzle model that stands on the search's room.
#pragma once

#include "Puzzle.h"
#include "PuzzleSolver.h"
#include "engine/SafetyRules.h"

#include <array>

// What --puzzle and the puzzle chooser call it.
inline constexpr const char* BUILT_IN_PUZZLE_NAME = "torvaly";
inline constexpr const char* BUILT_IN_TITLE = "Torvalyパズル";
// The twelve travellers, in the order of the table's columns.
inline constexpr std::array<const char*, TRAVELLER_COUNT> BUILT_IN_NAMES = {
    "Ovrin", "Dastel", "Korrim", "Pellam", "Quen", "Murtz", "Sabbel", "Tovic", "Gummel", "Hesk", "Nolby", "Yarrit",
};

// Made once, when first asked for (thread-safe).
const CPuzzle& BuiltInPuzzle();
// Its exact solution, worked out once, when first asked for (thread-safe).
const CPuzzleSolution& BuiltInSolution();
