// What torvaly-solve and the crossing view say of a puzzle's exact
// solution: a trip as a line of a list of trips, the fewest trips and the
// number of shortest plans, or that there is no way across.
#pragma once

#include "puzzle/PuzzleSolver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The labels of the two lines under a solved puzzle's trips:
// "最短 7 回" and "最短の渡り方 2 通り".
inline constexpr const char* FEWEST_TRIPS_LABEL = "最短";
inline constexpr const char* SHORTEST_PLANS_LABEL = "最短の渡り方";

// Whether a word is the label of a line of a report that a list of trips
// may hold: a figure's, or one of the two above.
bool IsReportLabel(std::string_view word);

// Trip number (from 1) of travellers, as torvaly-solve lists trips and reads
// them back: the number, its direction (行き odd, 帰り even) and the names,
// separated by single spaces: "1 行き Ovrin Nolby".
std::string TripLine(const CPuzzle& puzzle, int number, TravellerSet travellers);

// "最短 7 回", the line under a solved puzzle's trips.
std::string FewestTripsLine(int trips);
// "最短の渡り方 2 通り", the line after it.
std::string ShortestPlansLine(std::optional<std::uint64_t> plans);
// "最短 7 回・最短の渡り方 2 通り", or NoWayAcrossSentence().
std::string SolutionSummary(const CPuzzleSolution& solution);
// "この問題は渡りきれません。"
std::string NoWayAcrossSentence();
