// What torvaly-solve and the crossing view say of a puzzle's exact
// solution: a trip as a line of a list of trips, the best (the fewest trips,
// or the least time in a puzzle with times) and the number of best plans,
// also by type, or that there is no way across.
#pragma once

#include "puzzle/PuzzleSolver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The labels of the lines under a solved puzzle's trips: "最短 7 回" and
// "最短の渡り方 2 通り"; with times, "最速 17 分（5 回）" and "最速の渡り方 2 通り".
inline constexpr const char* FEWEST_TRIPS_LABEL = "最短";
inline constexpr const char* SHORTEST_PLANS_LABEL = "最短の渡り方";
inline constexpr const char* FASTEST_LABEL = "最速";
inline constexpr const char* FASTEST_PLANS_LABEL = "最速の渡り方";

// Whether a word is the label of a line of a report that a list of trips
// may hold: a figure's, or one of those above.
bool IsReportLabel(std::string_view word);

// Trip number (from 1) of travellers, as torvaly-solve lists trips and reads
// them back: the number, its direction (行き odd, 帰り even) and the names,
// separated by single spaces: "1 行き Ovrin Nolby".
std::string TripLine(const CPuzzle& puzzle, int number, TravellerSet travellers);

// "最短 7 回".
std::string FewestTripsLine(int trips);
// The two lines under a solvable puzzle's trips: the best, "最短 7 回" or
// "最速 17 分（5 回）", and the number of best plans, "最短の渡り方 8100 通り
// （種類で数えると 4 通り）" with the count by type where types are declared.
std::string BestLine(const CPuzzleSolution& solution);
std::string BestPlansLine(const CPuzzleSolution& solution);
// The best in a few words, as the puzzle chooser names it beside a title:
// "最短 7 回", "最速 17 分", or "渡りきれません".
std::string BestText(const CPuzzleSolution& solution);
// "オオカミとヤギとキャベツ — 最短 7 回": a puzzle in the chooser.
std::string PuzzleLabel(const CPuzzleSolution& solution);

// One line: "最短 7 回・最短の渡り方 2 通り", "最速 17 分・最速の渡り方 2 通り"
// (with the count by type where types are declared), or NoWayAcross().
std::string SolutionSummary(const CPuzzleSolution& solution);
// What a puzzle without a way across says: "この問題は渡りきれません。" and
// how many can stand on the far bank at most, "向こう岸に渡れるのは最も多くて
// 2 人です。".
std::string NoWayAcross(const CPuzzleSolution& solution);
