// The texts with which the dialog and torvaly-solve show the search's results:
// column headers, cell texts, round trips and elapsed time.
#pragma once

#include "engine/CrossingPath.h"
#include "engine/CrossingState.h"
#include "puzzle/Puzzle.h"

#include <array>
#include <cstdint>
#include <string>

// Column 0 numbers the steps; column t + 1 shows traveller t.
inline constexpr int RESULT_COLUMN_COUNT = TRAVELLER_COUNT + 1;

// The five figures, in the order in which both programs show them.
inline constexpr int FIGURE_ELAPSED = 0;      // "経過時間"
inline constexpr int FIGURE_TRIALS = 1;       // "試行回数"
inline constexpr int FIGURE_ROUND_TRIPS = 2;  // "往復回数"
inline constexpr int FIGURE_ARRIVED = 3;      // "到着人数"
inline constexpr int FIGURE_ALTERNATIVES = 4; // "別解個数"
inline constexpr int FIGURE_COUNT = 5;

// What closing the dialog during a search asks first.
inline constexpr const char* ABORT_QUESTION = "中断しますか?";

// A figure's label; "" for anything else.
const char* FigureLabel(int figure);

// A path's top as the number of round trips it takes.
double RoundTrips(int top);

const char* ColumnHeader(int column);

// A traveller of the built-in puzzle's name: the header of the traveller's
// column. "" for anything but a traveller.
const char* TravellerName(int traveller);

// The names of a set of a puzzle's travellers in column order, joined by
// separator: "Ovrin と Nolby" with " と ". "" for nobody.
std::string NamesOf(const CPuzzle& puzzle, TravellerSet travellers, const char* separator = "、");

// "日本", "行き", "米国", "帰り"; "不明" for anything else.
const char* PlaceText(int place);

// Where travellers are in a puzzle's terms: its banks' names for PLACE_START
// and PLACE_ARRIVED, the direction words (行き, 帰り) aboard.
std::string PlaceText(const CPuzzle& puzzle, int place);

// "%d" of the step number shown in column 0: step + 1.
std::string StepNumberText(int step);

// The cells of the table's row for a step of path, in the columns' order: the
// step number text, then each traveller's place text.
std::array<std::string, RESULT_COLUMN_COUNT> PathRowTexts(const CCrossingPath& path, int step);

// A path's top as round trips: top / STEPS_PER_ROUND_TRIP with one decimal,
// rounded as "%.1f" rounds, and a decimal point whatever the locale.
std::string RoundTripsText(int top);

// The whole seconds between two clock readings.
std::int32_t ElapsedSeconds(std::int32_t startClock, std::int32_t lastClock);

// "%02d:%02d:%02d" of the whole seconds between two clock readings; hours
// are not wrapped. Digits only, so no locale changes it.
std::string ElapsedText(std::int32_t startClock, std::int32_t lastClock);
