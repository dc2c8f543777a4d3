#include "DisplayText.h"

#include "engine/CrossingPath.h"
#include "engine/CrossingState.h"
#include "platform/Clock.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/TripWords.h"

#include <charconv>
#include <cstdio>

namespace {

const char* const PHASE_HEADER = "phase";

const char* const FIGURE_LABELS[FIGURE_COUNT] = {"経過時間", "試行回数", "往復回数", "到着人数", "別解個数"};

// Indexed by place value.
const char* const PLACE_TEXTS[PLACE_UNKNOWN + 1] = {DEFAULT_BANKS[0], DIRECTION_WORDS[0], DEFAULT_BANKS[1],
                                                    DIRECTION_WORDS[1], "不明"};

} // namespace

const char* ColumnHeader(int column)
{
    return column == 0 ? PHASE_HEADER : TravellerName(column - 1);
}

const char* TravellerName(int traveller)
{
    return traveller >= 0 && traveller < TRAVELLER_COUNT ? BUILT_IN_NAMES[static_cast<std::size_t>(traveller)] : "";
}

std::string NamesOf(const CPuzzle& puzzle, TravellerSet travellers, const char* separator)
{
    std::string names;
    for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller) {
        if ((travellers & TravellerBit(traveller)) == 0)
            continue;
        if (!names.empty())
            names += separator;
        names += puzzle.NameOf(traveller);
    }
    return names;
}

const char* FigureLabel(int figure)
{
    return figure >= 0 && figure < FIGURE_COUNT ? FIGURE_LABELS[figure] : "";
}

double RoundTrips(int top)
{
    return top / static_cast<double>(STEPS_PER_ROUND_TRIP);
}

const char* PlaceText(int place)
{
    return PLACE_TEXTS[place >= PLACE_START && place < PLACE_UNKNOWN ? place : PLACE_UNKNOWN];
}

std::string PlaceText(const CPuzzle& puzzle, int place)
{
    if (place == PLACE_START || place == PLACE_ARRIVED)
        return puzzle.BankName(place);
    return PlaceText(place);
}

std::string StepNumberText(int step)
{
    return std::to_string(step + 1);
}

std::array<std::string, RESULT_COLUMN_COUNT> PathRowTexts(const CCrossingPath& path, int step)
{
    std::array<std::string, RESULT_COLUMN_COUNT> cells;
    cells[0] = StepNumberText(step);
    for (int traveller = 0; traveller < TRAVELLER_COUNT; ++traveller)
        cells[traveller + 1] = PlaceText(path.GetPlaceAt(step, traveller));
    return cells;
}

std::string RoundTripsText(int top)
{
    // Not snprintf: its decimal separator follows the C library's numeric
    // locale, which the window toolkit sets from the environment ("11,5" under
    // de_DE). to_chars rounds as "%.1f" does in the "C" locale, in every locale.
    char text[32];
#ifdef __EMSCRIPTEN__
    // The web page's libc++ (emscripten 3.1.6) has no to_chars for floating
    // point; its C library always writes a point, whatever the locale.
    std::snprintf(text, sizeof text, "%.1f", RoundTrips(top));
    return text;
#else
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, RoundTrips(top), std::chars_format::fixed, 1);
    return std::string(text, end.ptr);
#endif
}

std::int32_t ElapsedSeconds(std::int32_t startClock, std::int32_t lastClock)
{
    return ClockDifference(lastClock, startClock) / 1000;
}

std::string ElapsedText(std::int32_t startClock, std::int32_t lastClock)
{
    const std::int32_t seconds = ElapsedSeconds(startClock, lastClock);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, (seconds / 60) % 60, seconds % 60);
    return text;
}
