#include "GameText.h"

#include "CountText.h"
#include "DisplayText.h"
#include "RuleText.h"
#include "StepText.h"
#include "engine/CrossingPath.h"

std::string TripCounterText(int trips)
{
    // Each trip is two steps of a path: boarding and landing.
    return "渡った回数 " + std::to_string(trips) + "\u3000" + FigureLabel(FIGURE_ROUND_TRIPS) + " " +
           RoundTripsText(trips * (STEPS_PER_ROUND_TRIP / 2));
}

std::string MetBeforeSentence()
{
    return "この並びは前にもありました。";
}

std::string HintSentence(const CPuzzle& puzzle, const CContinuation& continuation, bool fits)
{
    std::string sentence = puzzle.HasTimes() ? RemainingTimeSentence(puzzle, continuation.m_time, fits)
                                             : RemainingTripsSentence(continuation.m_trips);
    if (continuation.m_trips > 0 && continuation.m_trip != 0)
        sentence += "次は " + NamesOf(puzzle, continuation.m_trip, " と ") + " が" + BoatText() + "に乗ります。";
    return sentence;
}

std::string TimeCounterText(const CPuzzle& puzzle, std::int64_t elapsed)
{
    std::string counter = "経過 " + TimeText(elapsed, puzzle.m_timeUnit);
    if (puzzle.m_timeLimit > 0)
        counter += "（制限 " + TimeText(puzzle.m_timeLimit, puzzle.m_timeUnit) + "）";
    return counter;
}

std::string StartSentence(const CPuzzle& puzzle, const std::string& crossControl)
{
    // "ひとり", "ひとりかふたり", "ひとりから 3 人まで".
    std::string howMany = SeatsText(1);
    if (puzzle.m_seats == 2)
        howMany += "か" + SeatsText(2);
    else if (puzzle.m_seats > 2)
        howMany += "から " + SeatsText(puzzle.m_seats) + "まで";
    return "舟に乗る人を" + howMany + "選んで、「" + crossControl + "」を押してください。";
}
