// The program's own puzzle, the one the dialog's search solves, as a puzzle
// like any other: its rules are the search's own SAFETY_RULES, its rowers
// those whom the first rule asks for, its names the table's.
#pragma once

#include "Puzzle.h"
#include "PuzzleSolver.h"

#include <array>

// What --puzzle and the puzzle chooser call it.
inline constexpr const char* BUILT_IN_PUZZLE_NAME = "torvaly";
inline constexpr const char* BUILT_IN_TITLE = "Torvalyパズル";
// The start bank and the far bank; a puzzle file that names no banks has
// these.
inline constexpr std::array<const char*, 2> BUILT_IN_BANKS = {"日本", "米国"};
// The twelve travellers, in the order of the table's columns.
inline constexpr std::array<const char*, TRAVELLER_COUNT> BUILT_IN_NAMES = {
    "Ovrin", "Dastel", "Korrim", "Pellam", "Quen", "Murtz", "Sabbel", "Tovic", "Gummel", "Hesk", "Nolby", "Yarrit",
};

// Made once, when first asked for (thread-safe).
const CPuzzle& BuiltInPuzzle();
// Its exact solution, worked out once, when first asked for (thread-safe).
const CPuzzleSolution& BuiltInSolution();
