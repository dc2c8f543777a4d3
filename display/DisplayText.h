// The texts with which the dialog and torvaly-solve show the search's results:
// column headers, cell texts, round trips and elapsed time.
#pragma once

#include <cstdint>
#include <string>

// Column 0 numbers the steps; column t + 1 shows traveller t.
inline constexpr int RESULT_COLUMN_COUNT = 13;

const char* ColumnHeader(int column);

// "日本", "行き", "米国", "帰り"; "不明" for anything else.
const char* PlaceText(int place);

// "%d" of the step number shown in column 0: step + 1.
std::string StepNumberText(int step);

// A path's top as round trips: top / STEPS_PER_ROUND_TRIP with one decimal,
// rounded as "%.1f" rounds, and a decimal point whatever the locale.
std::string RoundTripsText(int top);

// The whole seconds between two clock readings.
std::int32_t ElapsedSeconds(std::int32_t startClock, std::int32_t lastClock);

// "%02d:%02d:%02d" of the whole seconds between two clock readings; hours
// are not wrapped. Digits only, so no locale changes it.
std::string ElapsedText(std::int32_t startClock, std::int32_t lastClock);
