#include "GameText.h"

#include "DisplayText.h"
#include "RuleText.h"
#include "StepText.h"
#include "engine/CrossingPath.h"

#include <cstdlib>

namespace {

std::string TimesText(int count)
{
    return std::to_string(count) + " 回";
}

} // namespace

std::string TripCounterText(int trips)
{
    // Each trip is two steps of a path: boarding and landing.
    return "渡った回数 " + std::to_string(trips) + "\u3000" + FigureLabel(FIGURE_ROUND_TRIPS) + " " +
           RoundTripsText(trips * (STEPS_PER_ROUND_TRIP / 2));
}

std::string MetBeforeSentence()
{
    return "この並びは前にもありました";
}

std::string HintSentence(const CContinuation& continuation)
{
    std::string sentence = RemainingTripsSentence(continuation.m_trips);
    if (continuation.m_trips > 0 && continuation.m_trip != 0)
        sentence += "。次は " + TravellerNames(continuation.m_trip, " と ") + " が" + BoatText() + "に乗ります";
    return sentence;
}

std::string FinishedSentence(int trips, int shortest)
{
    const std::string done = TimesText(trips) + "で渡りきりました。最短の " + TimesText(shortest);
    if (trips == shortest)
        return done + "と同じです";
    return done + "より " + TimesText(std::abs(trips - shortest)) + (trips > shortest ? "多いです" : "少ないです");
}
